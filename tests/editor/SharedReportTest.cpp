#include "TestHost.h"

#include "catalogue/AssesseeRow.h"
#include "editor/Form3CD.h"
#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "pages/ClauseGrid.h"
#include "pages/ClausePage.h"
#include "store/ClauseStore.h"
#include "store/ModuleState.h"

#include <QLabel>
#include <QLineEdit>

// The editor reads the open report once; every page shows and edits those rows and writes
// its own page of them when it is saved.
class SharedReport : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (!env)
            return;
        env->openForm(FormKind::F3CA);
        editor = Form3CD::instance();
        editor->show();
        env->prompt().clear();
    }
    void TearDown() override
    {
        delete Form3CD::existing();
        EngineTest::TearDown();
    }
    ClauseGrid *grid(int slot, const QString &name)
    {
        auto *g = editor->page(slot)->findChild<ClauseGrid *>(name);
        EXPECT_NE(g, nullptr) << name.toStdString();
        return g;
    }
    // Adds a row to the grid with `text` in its description column, as a user fills it.
    static int addDescription(ClauseGrid *g, const QString &text)
    {
        g->setRowCount(g->rowCount() + 1);
        const int row = g->rowCount() - 1;
        g->setCellText(row, 2, text);
        return row;
    }
    static int storedCount(int page, const QString &point, const QString &text)
    {
        int n = 0;
        for (const ClauseStore::ClauseRow &row : ClauseStore::readPoint(page, point))
            n += row.cols.contains(text) ? 1 : 0;
        return n;
    }
    static bool shows(ClauseGrid *g, const QString &text)
    {
        for (int r = 0; r < g->rowCount(); ++r) {
            for (int c = 0; c < g->columnCount(); ++c) {
                if (g->cellText(r, c) == text)
                    return true;
            }
        }
        return false;
    }

    Form3CD *editor = nullptr;
};

TEST_P(SharedReport, EveryPageAndEveryGridShowTheEditorsOneModel)
{
    for (int slot : {1, 2, 3, 7, 20, 21}) {
        ClausePage *page = editor->page(slot);
        EXPECT_EQ(&page->report(), &editor->report()) << slot;
        for (const ClauseGrid *g : page->findChildren<ClauseGrid *>()) {
            if (g->gridModel()->page() == page->pageNo())
                EXPECT_EQ(&g->gridModel()->report(), &editor->report()) << g->objectName().toStdString();
        }
    }
    // The model holds the whole stored report, not only the pages opened.
    const QList<int> opened{1, 2, 3, 7, 20, 21};
    QHash<int, int> stored;
    for (const ClauseStore::ClauseRow &row : ClauseStore::readAll()) {
        if (!opened.contains(row.page))
            ++stored[row.page];
    }
    QHash<int, int> held;
    for (int page : editor->report().pages()) {
        for (const QString &point : editor->report().points(page)) {
            if (!opened.contains(page))
                held[page] += int(editor->report().rows(page, point).size());
        }
    }
    EXPECT_FALSE(stored.isEmpty());
    EXPECT_EQ(held, stored);
}

TEST_P(SharedReport, AGridEditIsSeenByAnotherReaderOfTheModelBeforeAnySave)
{
    editor->cmdPages_Click(3);
    ClauseGrid *g = grid(3, "grd10a");
    const int row = addDescription(g, "Trading in textiles");
    // A reader over the same rows (as the annexure window or a rule reads them) sees the
    // edit at once; nothing is written yet.
    ClauseGridModel other(editor->report(), 3, "10a");
    EXPECT_EQ(other.cell(row, 2), "Trading in textiles");
    EXPECT_TRUE(editor->report().column(3, "10a", 3).contains("Trading in textiles"));
    EXPECT_EQ(storedCount(3, "10a", "Trading in textiles"), 0);
    // And what that reader writes shows in the page's grid.
    other.setCell(row, 2, "Trading in silk");
    EXPECT_EQ(g->cellText(row, 2), "Trading in silk");
}

TEST_P(SharedReport, AnEditSurvivesLeavingAndComingBackAndIsWrittenOnce)
{
    editor->cmdPages_Click(3);
    addDescription(grid(3, "grd10a"), "Trading in textiles");
    editor->cmdPages_Click(7);
    EXPECT_EQ(storedCount(3, "10a", "Trading in textiles"), 1);
    // Page 3 is not written again while it stays as it was saved.
    ClauseStore::insertRow(3, "Zzz", {"marker"});
    editor->cmdPages_Click(3);
    EXPECT_TRUE(shows(grid(3, "grd10a"), "Trading in textiles"));
    editor->cmdPages_Click(7);
    EXPECT_FALSE(ClauseStore::readPoint(3, "Zzz").isEmpty());
    EXPECT_EQ(storedCount(3, "10a", "Trading in textiles"), 1);
}

TEST_P(SharedReport, SavingOnePageWritesNoneOfAnotherPagesUnsavedEdits)
{
    editor->cmdPages_Click(3);
    editor->cmdPages_Click(7);
    // An edit put into page 3's grid while page 7 is shown (an import into that grid).
    addDescription(grid(3, "grd10a"), "Trading in textiles");
    env->prompt().setDefaultYes(false);
    editor->cmdSave_Click();
    EXPECT_EQ(storedCount(3, "10a", "Trading in textiles"), 0);
    // Page 3 still shows it, and writes it when it is saved.
    editor->cmdPages_Click(3);
    EXPECT_TRUE(shows(grid(3, "grd10a"), "Trading in textiles"));
    editor->cmdSave_Click();
    EXPECT_EQ(storedCount(3, "10a", "Trading in textiles"), 1);
}

TEST_P(SharedReport, PageTwoShowsTheReportPagesAssesseeOnceThatPageIsSaved)
{
    auto *pan = editor->page(1)->findChild<QLineEdit *>("txtPAN");
    ASSERT_NE(pan, nullptr);
    pan->setText("AAAPL1234C");
    editor->cmdPages_Click(2);
    auto *shown = editor->page(2)->findChild<QLabel *>("lblPAN");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(), "AAAPL1234C");
    EXPECT_EQ(editor->report().value(1, "3CA1A", AssesseeRow::index(AssesseeRow::PAN) + 1), "AAAPL1234C");
}

TEST_P(SharedReport, ReloadingAfterAnImportShowsWhatTheImportWrote)
{
    editor->cmdPages_Click(3);
    ClauseStore::insertRow(3, "10a",
                           {"Manufacturing",
                            "Textiles",
                            "Written by an import",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "9"});
    EXPECT_FALSE(shows(grid(3, "grd10a"), "Written by an import"));
    editor->reloadPages();
    EXPECT_TRUE(shows(grid(3, "grd10a"), "Written by an import"));
    EXPECT_FALSE(editor->page(3)->hasUnsavedChanges());
}

TALVEX_BOTH_ENGINES(SharedReport);
