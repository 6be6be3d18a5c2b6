#include "TestHost.h"

#include "LauncherWindow.h"
#include "editor/Form3CD.h"
#include "editor/clsMain.h"
#include "store/ClauseStore.h"

#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

// The front window worked from the keyboard, on a report of Form 3CB for the year.
class Launcher : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped())
            return;
        // C003's report of 2025-26 is kept as Form 3CB.
        env->openForm(FormKind::F3CB, QStringLiteral("C003"));
        ClauseStore::insertRow(101, QStringLiteral("3CBPT1"), {QStringLiteral("I")}, QStringLiteral("3CB"));
        moduleState() = ModuleState();
        module = std::make_unique<clsMain>();
        window = std::make_unique<LauncherWindow>(env->host(), *module);
        auto *year = window->findChild<QComboBox *>(QStringLiteral("cboYear"));
        year->setCurrentIndex(year->findData(QStringLiteral("2026")));
        clients = window->findChild<QTableWidget *>(QStringLiteral("grdClients"));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        delete Form3CD::existing();
        window.reset();
        module.reset();
        EngineTest::TearDown();
    }

    void select(const QString &code)
    {
        for (int r = 0; r < clients->rowCount(); ++r)
            if (clients->item(r, 0)->text() == code)
                clients->selectRow(r);
        clients->setFocus();
    }

    std::unique_ptr<clsMain> module; // made once the test host is installed
    std::unique_ptr<LauncherWindow> window;
    QTableWidget *clients = nullptr;
};
TALVEX_BOTH_ENGINES(Launcher);

// Enter opens the selected client's report in the form it is kept in.
TEST_P(Launcher, EnterOpensTheReportInItsForm)
{
    select(QStringLiteral("C003"));
    QTest::keyClick(clients, Qt::Key_Return);
    EXPECT_EQ(moduleState().formKind, FormKind::F3CB);
    ASSERT_NE(Form3CD::existing(), nullptr);
    delete Form3CD::existing();

    select(QStringLiteral("C001"));
    QTest::keyClick(clients, Qt::Key_Enter);
    EXPECT_EQ(moduleState().formKind, FormKind::F3CA);
}

// A double-click opens the form of the report too, not always Form 3CA.
TEST_P(Launcher, DoubleClickOpensTheReportInItsForm)
{
    select(QStringLiteral("C003"));
    const QRect cell = clients->visualItemRect(clients->item(clients->currentRow(), 1));
    // A real double-click: a click, then the second press that the system reports as a double-click.
    QTest::mouseClick(clients->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(clients->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(moduleState().formKind, FormKind::F3CB);
}

// Tab leaves the client list for the Form buttons, which answer to their letters.
TEST_P(Launcher, TabLeavesTheListAndTheFormButtonsHaveLetters)
{
    select(QStringLiteral("C003"));
    QTest::keyClick(clients, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdForm3CA"));
    EXPECT_EQ(clients->currentRow() >= 0, true);

    QStringList letters;
    for (const char *name : {"cmdForm3CA", "cmdForm3CB", "cmdForm3CEB"}) {
        const QString text = window->findChild<QPushButton *>(QLatin1String(name))->text();
        ASSERT_TRUE(text.contains(u'&')) << text.toStdString();
        letters << text.mid(text.indexOf(u'&') + 1, 1).toUpper();
    }
    EXPECT_EQ(letters, (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("E")}));
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        const QString text = button->text();
        if (!button->objectName().startsWith(QLatin1String("cmdForm")) && text.contains(u'&'))
            EXPECT_FALSE(letters.contains(text.mid(text.indexOf(u'&') + 1, 1).toUpper()))
                << text.toStdString();
    }
    auto *form3cb = window->findChild<QPushButton *>(QStringLiteral("cmdForm3CB"));
    EXPECT_EQ(QKeySequence::mnemonic(form3cb->text()), QKeySequence(Qt::ALT | Qt::Key_B));
    form3cb->click();
    EXPECT_EQ(moduleState().formKind, FormKind::F3CB);
}
