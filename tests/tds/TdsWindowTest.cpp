#include "TdsTestDatabase.h"

#include "dialogs/tds/frmImpDetTDS.h"
#include "model/ReportModel.h"
#include "print/ReportEngine.h"
#include "store/ClauseStore.h"
#include "tds/TdsDemo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

class TdsWindowTest : public TdsDatabaseTest
{
protected:
    void SetUp() override
    {
        TdsDatabaseTest::SetUp();
        if (IsSkipped())
            return;
        window = std::make_unique<frmImpDetTDS>(frmImpDetTDS::Source::Database);
        window->databasePath()->setText(tds->url().toString());
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        TdsDatabaseTest::TearDown();
    }
    void click(const char *button)
    {
        QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
    }
    void tick(const QString &code)
    {
        QTableWidget *list = window->clientList();
        for (int r = 0; r < list->rowCount(); ++r)
            if (list->item(r, 1)->text() == code)
                list->item(r, 0)->setCheckState(Qt::Checked);
    }
    int rowsOf34a() { return ClauseStore::readPoint(17, "34a").size(); }

    std::unique_ptr<frmImpDetTDS> window;
};
TALVEX_BOTH_ENGINES(TdsWindowTest);

TEST_P(TdsWindowTest, TheClientsAreListedAndTheTickedOneImportedAndPreviewed)
{
    click("cmdConnect");
    ASSERT_EQ(window->clientList()->rowCount(), 2);
    EXPECT_EQ(window->clientList()->item(1, 1)->text(), TdsDemo::kClientCode);
    EXPECT_EQ(window->dueDate()->text(), "31/10/2026");
    EXPECT_FALSE(window->dueDate()->isEnabled());

    click("cmdOK");
    EXPECT_EQ(env->prompt().lastText(), "Please select atleast one Client.");

    tick(TdsDemo::kClientCode);
    QTest::mouseClick(window->correctDueDate(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(window->dueDate()->isEnabled());
    window->dueDate()->setText("31/02/2026");
    click("cmdOK");
    EXPECT_EQ(env->prompt().lastText(), "Invalid 'Due Date' !");

    // With the return due a year earlier, the deposits after it make the payments late.
    window->dueDate()->setText("30/06/2025");
    env->prompt().queue(PromptAnswer::Yes); // delete the existing details
    click("cmdOK");
    EXPECT_EQ(env->prompt().lastText(), "Import Successfully !");
    EXPECT_EQ(window->progress()->value(), window->progress()->maximum());
    EXPECT_EQ(rowsOf34a(), 5);
    EXPECT_EQ(ClauseStore::readPoint(9, "21biib").size(), 2);

    QString previewed;
    ReportEngine::setViewer([&previewed](ReportEngine &engine) { previewed = engine.plainText(); });
    click("cmdPreview");
    ReportEngine::setViewer({});
    EXPECT_TRUE(
        previewed.contains("Miscellaneous Details required in Form 3CD for A.Y. 2026-27 [F.Y. 2025-26]"));
    EXPECT_TRUE(previewed.contains("PAN : AABCS1234K        TAN : MUMS12345A"));
    EXPECT_TRUE(previewed.contains("Fees for professional or technical services"));
    // The late payments of 21(b) in their eleven columns, without the e-filing codes.
    for (const char *heading :
         {"Date of payment", "Amount of payment", "Nature of payment", "Name of the payee",
          "PAN of the payee", "Address line1", "Address line2", "City /Town /District", "Pin code",
          "Amount of tax deducted", "Amount out of (VI) deposited, if any"})
        EXPECT_TRUE(previewed.contains(heading)) << heading;
    EXPECT_FALSE(previewed.contains("Aadhaar number of the payee"));
    EXPECT_FALSE(previewed.contains("Post office code"));
    EXPECT_TRUE(previewed.contains("Lakshmi Narayan"));
}

TEST_P(TdsWindowTest, CancelStopsTheStepsAndChangesNothing)
{
    click("cmdConnect");
    tick(TdsDemo::kClientCode);
    const int before = rowsOf34a();
    // Cancel is pressed while the steps run; the first answer declines, the second agrees.
    env->prompt().queue(PromptAnswer::No);
    env->prompt().queue(PromptAnswer::Yes);
    int presses = 0;
    int waits = 0;
    QPushButton *cancel = window->findChild<QPushButton *>("cmdCancel");
    std::function<void()> press = [&] {
        if (presses == 2 || ++waits > 10000)
            return;
        if (cancel->isEnabled()) {
            ++presses;
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
        QTimer::singleShot(0, press);
    };
    QTimer::singleShot(0, press);
    click("cmdOK");
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(env->prompt().lastText(), "Do you really want to Cancel?");
    EXPECT_EQ(rowsOf34a(), before);
    EXPECT_EQ(window->progress()->value(), 0);

    window->databasePath()->setText("sqlite:" + file("no/such/folder/tds.db"));
    click("cmdConnect");
    EXPECT_TRUE(env->prompt().lastText().startsWith("Error connecting to TDS Database:\n"));
    EXPECT_EQ(window->clientList()->rowCount(), 0);
}

// Enter in an address runs the command beside it, as an accountant expects after typing the
// address: the database's clients are listed, and nothing is imported or refused.
TEST_P(TdsWindowTest, EnterInTheDatabaseAddressConnects)
{
    const int before = rowsOf34a();
    window->activateWindow();
    window->databasePath()->setFocus();
    QTest::keyClick(window->databasePath(), Qt::Key_Return);
    EXPECT_EQ(window->clientList()->rowCount(), 2);
    EXPECT_TRUE(env->prompt().texts().isEmpty()) << env->prompt().texts().join(u'\n').toStdString();
    EXPECT_EQ(rowsOf34a(), before);
}
