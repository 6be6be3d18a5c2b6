#include "Form3cebTestSupport.h"

#include "pages/ClauseGrid.h"
#include "pages/PageFactory.h"
#include "pages/form3ceb/Form3cebPage.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

// The grids of pages 7 to 12 take their rows from a workbook in the grid's layout, as the
// annexure workbooks of Form 3CD do.
class Form3cebGridImport : public Form3cebTest
{
protected:
    void SetUp() override
    {
        Form3cebTest::SetUp();
        if (!env)
            return;
        open(kDemoClient);
        window.reset(qobject_cast<Form3cebPage *>(PageFactory::create(FormKind::F3CEB, 8)));
        ASSERT_TRUE(window);
        window->show();
        window->yesButton("18")->click();
        window->yesButton("19")->click();
        env->prompt().clear();
    }
    void click(const QString &name)
    {
        QPushButton *button = window->findChild<QPushButton *>(name);
        ASSERT_TRUE(button) << name.toStdString();
        button->click();
    }
    QList<QStringList> rowsOf(const ClauseGrid *grid) const
    {
        QList<QStringList> rows;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid->columnCount(); ++c)
                cells << grid->cellText(r, c);
            rows << cells;
        }
        return rows;
    }
    QString path(const QString &name) const { return QDir(env->dir()).filePath(name); }

    std::unique_ptr<Form3cebPage> window;
};

TALVEX_BOTH_ENGINES(Form3cebGridImport);

TEST_P(Form3cebGridImport, AGridWrittenToAWorkbookIsReadBackAddedOrInPlace)
{
    ClauseGrid *grid = window->grid("18");
    const QStringList row{"Sanjay Trading (Singapore) Pte. Ltd.",
                          "80 Robinson Road, Singapore 068898",
                          "Transfer of the yarn division",
                          "Slump sale",
                          "USD",
                          "",
                          "",
                          "Tax Identification Number",
                          "201912345K"};
    grid->setRows({row});
    const QList<QStringList> written = rowsOf(grid);

    env->prompt().queueText(path("restructuring.xlsx"));
    click("cmdExport18");
    ASSERT_TRUE(QFile::exists(path("restructuring.xlsx")));
    EXPECT_EQ(env->prompt().shown().at(0).kind, "save");
    EXPECT_EQ(env->prompt().shown().at(0).text, "Annexure_3CEB_18.xlsx");

    grid->setRows({});
    env->prompt().clear();
    env->prompt().queueText(path("restructuring.xlsx"));
    click("cmdImport18");
    EXPECT_EQ(env->prompt().lastText(), "Import Successfully.");
    EXPECT_EQ(rowsOf(grid), written);

    // Rows already there: No adds the workbook's after them, Yes puts them in their place.
    env->prompt().clear();
    env->prompt().queueText(path("restructuring.xlsx"));
    env->prompt().queue(PromptAnswer::No);
    click("cmdImport18");
    ASSERT_EQ(env->prompt().shown().size(), 3u);
    EXPECT_EQ(env->prompt().shown().at(1).text, "Do you want to Delete existing Details (if any) ?");
    EXPECT_EQ(rowsOf(grid), written + written);

    env->prompt().queueText(path("restructuring.xlsx"));
    env->prompt().queue(PromptAnswer::Yes);
    click("cmdImport18");
    EXPECT_EQ(rowsOf(grid), written);
}

TEST_P(Form3cebGridImport, AWorkbookOfAnotherGridIsRefusedAndTheRowsStay)
{
    window->grid("19")->setRows({{"Dublin", "Ireland", "Management fee"}});
    env->prompt().queueText(path("other.xlsx"));
    click("cmdExport19");

    ClauseGrid *grid = window->grid("18");
    grid->setRows({{"Kept"}});
    const QList<QStringList> before = rowsOf(grid);
    env->prompt().clear();
    env->prompt().queueText(path("other.xlsx"));
    click("cmdImport18");
    EXPECT_EQ(env->prompt().lastText(), "Invalid File.");
    EXPECT_EQ(rowsOf(grid), before);

    env->prompt().clear();
    env->prompt().queueText(path("missing.xlsx"));
    click("cmdImport18");
    EXPECT_EQ(env->prompt().lastText(),
              QString("A file named \"%1\" does not exists in this location.").arg(path("missing.xlsx")));
    EXPECT_EQ(rowsOf(grid), before);
}
