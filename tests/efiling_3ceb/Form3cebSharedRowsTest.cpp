#include "Form3cebTestSupport.h"

#include "catalogue/Form3cebCatalogue.h"
#include "editor/Form3CD.h"
#include "efiling/xml3ceb/Xml3cebWriter.h"
#include "model/ClauseGridModel.h"
#include "pages/ClauseGrid.h"
#include "pages/form3ceb/Form3cebPage.h"
#include "store/ClauseStore.h"

#include <QScopeGuard>

// The grids of the Form 3CEB pages in the editor are views over its one report model: what
// is typed there is in the model at once, numbered as the e-filing XML orders it.
class Form3cebSharedRows : public Form3cebTest
{
protected:
    void SetUp() override
    {
        Form3cebTest::SetUp();
        if (!env)
            return;
        open(kDemoClient);
        editor = Form3CD::instance();
        editor->show();
        env->prompt().clear();
        env->prompt().setDefaultYes(true);
    }
    void TearDown() override
    {
        delete Form3CD::existing();
        Form3cebTest::TearDown();
    }
    Form3cebPage *shown(int slot)
    {
        editor->cmdPages_Click(slot);
        auto *page = qobject_cast<Form3cebPage *>(editor->page(slot));
        EXPECT_NE(page, nullptr);
        return page;
    }
    // "name|serial|sequence" of each stored row of a point, in the order the store reads them.
    static QStringList stored(int page, const QString &point)
    {
        QStringList rows;
        for (const ClauseStore::ClauseRow &row : ClauseStore::readPoint(page, point, true))
            rows << QStringList{row.col(1), row.col(serial()), row.col(20)}.join(u'|');
        return rows;
    }
    static int serial() { return Form3cebCatalogue::instance().serialColumn(); }

    Form3CD *editor = nullptr;
};

TALVEX_BOTH_ENGINES(Form3cebSharedRows);

TEST_P(Form3cebSharedRows, AGridEditIsSeenByAnotherReaderOfTheModelBeforeAnySave)
{
    Form3cebPage *page = shown(3);
    ASSERT_TRUE(page);
    ClauseGrid *grid = page->grid("11A");
    ASSERT_TRUE(grid);
    EXPECT_EQ(&grid->gridModel()->report(), &editor->report());
    const QStringList before = stored(3, "11A");
    ASSERT_EQ(before.size(), 2);

    grid->addRow();
    const int row = grid->rowCount() - 1;
    grid->setCellText(row, 0, "Kestrel Metals GmbH");
    // A reader over the same rows (the XML writer, the print, a workbook import) sees the
    // edit and its serial at once; nothing is written yet.
    ClauseGridModel other(editor->report(), 3, "11A", grid->definition().columns);
    EXPECT_EQ(other.cell(row, 0), "Kestrel Metals GmbH");
    EXPECT_EQ(editor->report().rows(3, "11A").at(row).col(serial()), "3");
    EXPECT_EQ(stored(3, "11A"), before);
    EXPECT_TRUE(Xml3cebWriter::document(editor->report(), kWritten).contains("Kestrel Metals GmbH"));
    // And what that reader writes shows in the page's grid.
    other.setCell(row, 0, "Kestrel Metals AG");
    EXPECT_EQ(grid->cellText(row, 0), "Kestrel Metals AG");

    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(3, "11A"), before + QStringList{"Kestrel Metals AG|3|3"});
}

// The serial numbers the rows that hold a value; the sequence column numbers every row of
// the grid. Neither is written over the other, through a save and a reload.
TEST_P(Form3cebSharedRows, TheSerialAndTheSequenceStayApartThroughSaveAndReload)
{
    Form3cebPage *page = shown(3);
    ASSERT_TRUE(page);
    ClauseGrid *grid = page->grid("11A");
    ASSERT_TRUE(grid);
    const QString first = grid->cellText(0, 0);
    const QString second = grid->cellText(1, 0);
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());

    // An empty row between the two: it has a place in the grid but no serial.
    ASSERT_TRUE(grid->gridModel()->insertRows(1, 1));
    const QList<ReportModel::Row> &rows = editor->report().rows(3, "11A");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(1).col(serial()), "");
    EXPECT_EQ(rows.at(2).col(serial()), "2");
    EXPECT_EQ(rows.at(2).col(20), "3");
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(3, "11A"), (QStringList{first + "|1|1", second + "|2|3"}));

    // Typing into the empty row gives it the serial of its place among the rows with values.
    grid->setCellText(1, 0, "Between Ltd");
    EXPECT_EQ(editor->report().rows(3, "11A").at(2).col(serial()), "3");
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(3, "11A"), (QStringList{first + "|1|1", "Between Ltd|2|2", second + "|3|3"}));

    // A reload shows the rows in their order.
    editor->reloadPages();
    grid = qobject_cast<Form3cebPage *>(editor->page(3))->grid("11A");
    EXPECT_EQ(grid->cellText(0, 0), first);
    EXPECT_EQ(grid->cellText(1, 0), "Between Ltd");
    EXPECT_EQ(grid->cellText(2, 0), second);
    EXPECT_EQ(editor->report().column(3, "11A", serial()), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(editor->report().column(3, "11A", 20), (QStringList{"1", "2", "3"}));
}

// Rows kept by an earlier version without their sequence, in an order the serials put right.
TEST_P(Form3cebSharedRows, RowsStoredWithoutASequenceShowInTheOrderOfTheirSerials)
{
    ClauseStore::deletePoint(3, "11A");
    ClauseStore::insertRow(3, "11A", {"Second Ltd", "", "", "", "", "", "", "", "", "", "", "", "", "", "2"});
    ClauseStore::insertRow(3, "11A", {"First Ltd", "", "", "", "", "", "", "", "", "", "", "", "", "", "1"});
    editor->reloadPages();
    Form3cebPage *page = shown(3);
    ASSERT_TRUE(page);
    ClauseGrid *grid = page->grid("11A");
    EXPECT_EQ(grid->cellText(0, 0), "First Ltd");
    EXPECT_EQ(grid->cellText(1, 0), "Second Ltd");
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(3, "11A"), (QStringList{"First Ltd|1|1", "Second Ltd|2|2"}));
}
