#include "PageFixture.h"

#include "pages/TotalsRow.h"
#include "pages/annex/frmAnnex.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

class GridEditing : public PageTest
{
};

TEST_P(GridEditing, TypedValuesAreKeptInTheirStoredForm)
{
    ClausePage *page = open(6);
    ClauseGrid *g = grid(page, "grd15");
    g->setRowCount(1);
    typeInto(g, 0, 1, "1/6/19");
    typeInto(g, 0, 2, "4500000");
    typeInto(g, 0, 3, "5200.5");
    EXPECT_EQ(row(g, 0), (QStringList{"", "01/06/2019", "4500000.00", "5200.50"}));
    // Letters among the figures are not dropped unseen: the cell keeps them and says so.
    typeInto(g, 0, 3, "52ab00.5");
    EXPECT_EQ(g->cellText(0, 3), "52ab00.5");
    EXPECT_TRUE(env->prompt().lastText().startsWith("Not a Valid Amount [52ab00.5] in clause "));
}

// Clause 18 takes its column roles from the catalogue: computed columns open no editor, the
// adjustments take a minus sign, the other amounts do not, and the lists are hidden.
TEST_P(GridEditing, ColumnRolesComeFromTheCatalogue)
{
    ClausePage *page = open(7);
    ClauseGrid *g = grid(page, "grd18");
    g->setRowCount(1);
    EXPECT_EQ(openEditor(g, 0, 18), nullptr); // written-down value at the end of the year
    EXPECT_EQ(openEditor(g, 0, 1), nullptr);  // rate, set with the block
    typeInto(g, 0, 3, "-1250");
    typeInto(g, 0, 2, "-800");
    EXPECT_EQ(WidgetValues::cellText(g, 0, 3), "-1250.00");
    // The opening value is never negative: its minus sign is refused, not dropped.
    EXPECT_EQ(WidgetValues::cellText(g, 0, 2), "-800.00");
    EXPECT_TRUE(env->prompt().lastText().contains("this amount cannot be negative in clause 18"));
    EXPECT_TRUE(g->isColumnHidden(19));
    EXPECT_TRUE(g->isColumnHidden(20));
    EXPECT_FALSE(g->isColumnHidden(21));
    EXPECT_TRUE(g->optionalColumns().contains(16));
    EXPECT_FALSE(g->optionalColumns().contains(17)); // depreciation allowable is asked for
}

TEST_P(GridEditing, EnterMovesAlongTheRowThenToTheNextRow)
{
    ClausePage *page = open(6);
    ClauseGrid *g = grid(page, "grd16a");
    g->setRowCount(2);
    g->setCurrentCell(0, 0);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(g->currentColumn(), 1);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(g->currentRow(), 1);
    EXPECT_EQ(g->currentColumn(), 0);
    g->setCurrentCell(1, 1);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(g->currentRow(), 1);
    EXPECT_EQ(g->currentColumn(), 0);
    // Enter inside an editor stores the cell and moves on too.
    typeInto(g, 0, 0, "Export incentive");
    EXPECT_EQ(g->currentRow(), 0);
    EXPECT_EQ(g->currentColumn(), 1);
}

TEST_P(GridEditing, RowsAreAddedAndRemovedFromTheKeyboard)
{
    ClausePage *page = open(6);
    ClauseGrid *g = grid(page, "grd16a");
    ASSERT_EQ(g->rowCount(), 1);
    g->setCurrentCell(0, 0);
    QTest::keyClick(g, Qt::Key_Insert);
    EXPECT_EQ(g->rowCount(), 2);
    EXPECT_EQ(g->currentRow(), 1);
    fillRow(g, 0, {"Export incentive", "1200.00"});
    g->setCurrentCell(0, 1);
    QTest::keyClick(g, Qt::Key_Delete);
    EXPECT_EQ(row(g, 0), (QStringList{"Export incentive", ""}));
    QTest::keyClick(g, Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(g->rowCount(), 1);
    EXPECT_TRUE(WidgetValues::rowIsEmpty(g, 0));
}

TEST_P(GridEditing, ListColumnsOfferTheirEntries)
{
    ClausePage *page = open(8);
    ClauseGrid *g = grid(page, "grd20b");
    g->setRowCount(1);
    auto *combo = qobject_cast<QComboBox *>(openEditor(g, 0, 0));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 5);
    EXPECT_EQ(combo->itemText(0), "Provident Fund");
    combo->setCurrentIndex(2);
    QTest::keyClick(combo, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(WidgetValues::cellText(g, 0, 0), "Gratuity Fund");
}

TEST_P(GridEditing, ASubSectorListFollowsTheSectorOfItsRow)
{
    ClausePage *page = open(3);
    ClauseGrid *g = grid(page, "grd10a");
    g->setRowCount(1);
    WidgetValues::setCellText(g, 0, 0, "MANUFACTURING");
    auto *combo = qobject_cast<QComboBox *>(openEditor(g, 0, 1));
    ASSERT_NE(combo, nullptr);
    EXPECT_GT(combo->count(), 0);
    EXPECT_EQ(combo->findText("AGRICULTURE, ANIMAL HUSBANDRY & FORESTRY"), -1);
}

TEST_P(GridEditing, ProfitSharingRatiosMayNotExceedAHundred)
{
    ClausePage *page = open(3);
    ClauseGrid *g = grid(page, "grd9a");
    g->setRowCount(2);
    typeInto(g, 0, 1, "60");
    typeInto(g, 1, 1, "50");
    EXPECT_EQ(env->prompt().lastText(), "sum of profit of sharing can not be greater then 100");
    EXPECT_EQ(env->prompt().shown().back().title, "Form 3CD");
    EXPECT_EQ(WidgetValues::cellText(g, 0, 1), "60.00");
    EXPECT_EQ(WidgetValues::cellText(g, 1, 1), "");
}

TEST_P(GridEditing, APanCellIsChecked)
{
    ClausePage *page = open(10);
    ClauseGrid *g = grid(page, "grd23");
    g->setRowCount(1);
    typeInto(g, 0, 1, "ABCDE12345");
    EXPECT_EQ(env->prompt().lastText(),
              "Not a Valid PAN [ABCDE12345] in clause 23, row 1 (PAN of related person)");
    env->prompt().clear();
    typeInto(g, 0, 1, "AABCS1234K");
    EXPECT_TRUE(env->prompt().shown().empty());
}

TEST_P(GridEditing, TheHintNamesTheColumnBeingEdited)
{
    ClausePage *page = open(8);
    ClauseGrid *g = grid(page, "grd20b");
    g->setRowCount(1);
    g->setCurrentCell(0, 2);
    EXPECT_TRUE(page->hintLabel()->text().startsWith("Due date for payment: "));
    EXPECT_TRUE(page->hintLabel()->text().contains("DD/MM/YYYY"));
}

TEST_P(GridEditing, TenThousandRowsSaveAndReload)
{
    ClausePage *page = open(6);
    ClauseGrid *g = grid(page, "grd16a");
    g->setRowCount(10000);
    for (int r = 0; r < 10000; ++r)
        fillRow(g, r, {QStringLiteral("Item %1").arg(r + 1), QStringLiteral("%1.00").arg(r)});
    ASSERT_TRUE(page->SaveData());
    ClauseGrid *again = grid(open(6), "grd16a");
    ASSERT_EQ(again->rowCount(), 10000);
    EXPECT_EQ(row(again, 9999), (QStringList{"Item 10000", "9999.00"}));
}

// The clause's Annexure button opens the annexure window on the grid the page shows: a row
// added there and taken Back is on the page at once.
TEST_P(GridEditing, TheAnnexureButtonEditsThePageGridInTheWindow)
{
    ClausePage *page = open(17);
    ClauseGrid *g = grid(page, "grd34a");
    ASSERT_NE(g, nullptr);
    const int before = g->rowCount();
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        auto *window = qobject_cast<frmAnnex *>(QApplication::activeModalWidget());
        if (!window) {
            // Whatever opened instead is closed, so that the test ends and says so.
            if (auto *other = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                other->reject();
            return;
        }
        opened = true;
        QTableWidget *table = window->table();
        table->setCurrentCell(table->rowCount() - 1, 0);
        window->addRow();
        const int row = table->rowCount() - 1;
        table->setItem(row, 0, new QTableWidgetItem("PNES54321B"));
        table->setItem(row, 1, new QTableWidgetItem("194J"));
        table->setItem(row, 3, new QTableWidgetItem("250000"));
        window->back();
    });
    find<QPushButton>(page, "cmdAnnex34a")->click();
    ASSERT_TRUE(opened);
    // The page's empty row is not taken back; the typed one is.
    ASSERT_GE(g->rowCount(), 1);
    const int last = g->rowCount() - 1;
    EXPECT_LE(last, before);
    EXPECT_EQ(g->cellText(last, 0), "PNES54321B");
    EXPECT_EQ(g->cellText(last, 3), "250000.00");
}

TALVEX_BOTH_ENGINES(GridEditing);

// Rows taken back from the annexure window change the totals the page works out from them.
TEST_P(GridEditing, RowsTakenBackFromTheAnnexureRecomputeThePage)
{
    ClausePage *page = open(5);
    ClauseGrid *g = grid(page, "grd13e");
    ASSERT_NE(g, nullptr);
    auto *increase = find<QLineEdit>(page, "txt13eTInc");
    const double before = increase->text().toDouble();
    find<QRadioButton>(page, "OptButYes13dn")->click();
    QTimer::singleShot(0, [] {
        auto *window = qobject_cast<frmAnnex *>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        QTableWidget *table = window->table();
        table->setCurrentCell(table->rowCount() - 1, 0);
        window->addRow();
        const int row = table->rowCount() - 1;
        table->setItem(row, 1, new QTableWidgetItem("1200"));
        window->back();
    });
    find<QPushButton>(page, "cmdAnnex13d")->click();
    EXPECT_DOUBLE_EQ(increase->text().toDouble(), before + 1200);
}

// A long list adds up its amount columns under its rows; the totals are no row of the list.
TEST_P(GridEditing, LongListsShowTheTotalsOfTheirAmounts)
{
    ClausePage *page = open(17);
    ClauseGrid *g = grid(page, "grd34a");
    auto *totals = page->findChild<TotalsRow *>("grd34aTotals");
    ASSERT_NE(totals, nullptr);
    fillRow(g, 0, {"BLRA12345B", "192", "Salary", "100000.00", "100000.00", "100000.00", "10000.00"});
    fillRow(g, 1, {"BLRA12345B", "194C", "Contract", "50000.50", "50000.50", "50000.50", "500.00"});
    EXPECT_EQ(totals->texts().mid(0, 7),
              (QStringList{"", "", "", "150000.50", "150000.50", "150000.50", "10500.00"}));
    typeInto(g, 1, 6, "1000");
    EXPECT_EQ(totals->texts().value(6), "11000.00");
    EXPECT_EQ(totals->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(g->rowCount(), 2);
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(17, "34a").size(), 2);

    // A list without amounts has none.
    ClausePage *second = open(2);
    EXPECT_EQ(second->findChildren<TotalsRow *>().size(), 0);
}
