#include "ModelTestSupport.h"

#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "model/depreciation/Clause18Row.h"
#include "pages/ClauseGrid.h"
#include "pages/annex/frmAnnex.h"
#include "pages/depreciation/AdditionDeductionFrame.h"
#include "spreadsheet/AnnexureSheet.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

// Clause 18 of the filled demo report in the annexure window: its blocks are kept in the
// file "18", their additions in "18A" and their deductions in "18D".
class Clause18AnnexureTest : public ModelTest
{
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        if (!env)
            return;
        report = ReportModel::load();
        grid = std::make_unique<ClauseGridModel>(*report, 7, QStringLiteral("18"));
    }
    std::unique_ptr<frmAnnex> open()
    {
        return std::make_unique<frmAnnex>(*grid, "18", QString(), "18. Depreciation", folder());
    }
    QString folder() const { return file("Annex3CD/C001/2026"); }
    QString path(const QString &name) const { return folder() + "/" + name; }
    QList<QStringList> gridRows() const
    {
        QList<QStringList> rows;
        for (int r = 0; r < grid->rowCount(); ++r)
            rows << grid->rowCells(r);
        return rows;
    }

    std::unique_ptr<ReportModel> report;
    std::unique_ptr<ClauseGridModel> grid;
};
TALVEX_BOTH_ENGINES(Clause18AnnexureTest);

TEST_P(Clause18AnnexureTest, BackKeepsTheBlocksAndTheirListsInThreeFilesThatRestoreThemUnchanged)
{
    const QList<QStringList> before = gridRows();
    ASSERT_EQ(before.size(), 2);
    ASSERT_FALSE(before.at(0).at(Clause18::AdditionsList).isEmpty());
    open()->back();
    EXPECT_EQ(gridRows(), before);

    const auto blocks = AnnexureFile::read(path("18"));
    const auto additions = AnnexureFile::read(path("18A"));
    const auto deductions = AnnexureFile::read(path("18D"));
    ASSERT_TRUE(blocks && additions && deductions);
    ASSERT_EQ(blocks->rows.size(), 2);
    EXPECT_EQ(blocks->rows.at(0).at(Clause18::AdditionsList), "") << "the lists live in their own files";
    EXPECT_EQ(blocks->rows.at(0).at(Clause18::Description), before.at(0).at(Clause18::Description));
    // One row an entry, the block's number first: two additions and one sale of the first block.
    ASSERT_EQ(additions->rows.size(), 2);
    EXPECT_EQ(additions->columns.first().heading, "Block");
    EXPECT_EQ(additions->rows.at(1).mid(0, 1), QStringList{"1"});
    EXPECT_EQ(additions->rows.at(1).at(3), "100000.00");
    ASSERT_EQ(deductions->rows.size(), 1);
    EXPECT_EQ(deductions->rows.at(0).mid(0, 3).last(), "50000.00");

    // The window opens on the files: the lists are back in their blocks as they were.
    auto again = open();
    ASSERT_EQ(again->sheet().rows.size(), 2);
    EXPECT_EQ(again->sheet().rows.at(0).mid(0, grid->columnCount()), before.at(0));
    EXPECT_EQ(again->sheet().rows.at(1).mid(0, grid->columnCount()), before.at(1));

    // A sale moved to the second block in the window goes to that block's entry in "18D".
    const int deductionsColumn = Clause18::DeductionsList;
    auto *table = again->table();
    table->item(1, deductionsColumn)->setText(table->item(0, deductionsColumn)->text());
    table->item(0, deductionsColumn)->setText(QString());
    again->back();
    EXPECT_EQ(AnnexureFile::read(path("18D"))->rows.at(0).first(), "2");
    EXPECT_EQ(grid->rowCells(1).at(deductionsColumn), before.at(0).at(deductionsColumn));

    // Back with no block left removes all three files.
    auto last = open();
    while (last->table()->rowCount() > 0) {
        last->table()->setCurrentCell(0, 0);
        last->deleteRow();
    }
    last->back();
    for (const QString name : {"18", "18A", "18D"})
        EXPECT_FALSE(QFile::exists(path(name))) << name.toStdString();
}

TEST_P(Clause18AnnexureTest, AFileOfBlocksWithTheirListsInsideStillOpens)
{
    AnnexureSheet kept = AnnexureSheet::ofGrid(grid->columns(), {}, gridRows());
    ASSERT_TRUE(AnnexureFile::write(path("18"), kept));
    auto window = open();
    EXPECT_EQ(window->sheet().rows, kept.rows);
}

// The additions and deductions of the block row in hand are edited below the blocks, each list
// put into its row with its own OK, and go into the clause with Back.
TEST_P(Clause18AnnexureTest, TheListsOfTheCurrentBlockAreEditedBelowTheBlocks)
{
    const QList<QStringList> before = gridRows();
    auto window = open();
    window->show();
    AdditionDeductionFrame *frame = window->listsFrame();
    ASSERT_TRUE(frame);
    auto *t = window->table();
    t->setCurrentCell(1, 0);
    t->setCurrentCell(0, 0);
    EXPECT_EQ(frame->blockName(), before.at(0).at(Clause18::Description));
    ASSERT_EQ(frame->additions().size(), 2);

    ClauseGrid *vsAdd = frame->additionsGrid();
    vsAdd->addRow();
    const int added = vsAdd->rowCount() - 1;
    vsAdd->setCellText(added, 0, "01/05/2025");
    vsAdd->setCellText(added, 1, "15/05/2025");
    vsAdd->setCellText(added, 2, "40000.00");
    QTest::mouseClick(frame->additionsOk(), Qt::LeftButton);
    const double purchases = before.at(0).at(Clause18::PurchaseValue).toDouble();
    EXPECT_DOUBLE_EQ(t->item(0, Clause18::PurchaseValue)->text().toDouble(), purchases + 40000);
    EXPECT_EQ(Clause18Lists::parseAdditions(t->item(0, Clause18::AdditionsList)->text()).size(), 3);

    // Another block shows its own lists; the first keeps what its OK put into it.
    t->setCurrentCell(1, 0);
    EXPECT_EQ(frame->blockName(), before.at(1).at(Clause18::Description));
    ClauseGrid *vsDed = frame->deductionsGrid();
    vsDed->setRowCount(1);
    vsDed->setCellText(0, 0, "10/01/2026");
    vsDed->setCellText(0, 1, "2500.00");
    QTest::mouseClick(frame->deductionsOk(), Qt::LeftButton);
    EXPECT_EQ(t->item(1, Clause18::TotalDeductions)->text(), "2500.00");

    window->back();
    EXPECT_EQ(Clause18Lists::parseAdditions(grid->rowCells(0).at(Clause18::AdditionsList)).size(), 3);
    EXPECT_EQ(grid->rowCells(1).at(Clause18::TotalDeductions), "2500.00");
}
