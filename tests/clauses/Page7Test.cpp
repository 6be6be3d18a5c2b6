#include "../pages/PageFixture.h"

#include "model/depreciation/Clause18Row.h"
#include "pages/ClauseGrid.h"
#include "pages/ClauseSection.h"
#include "pages/PageFactory.h"
#include "pages/TotalsRow.h"
#include "pages/WidgetValues.h"
#include "pages/depreciation/AdditionDeductionFrame.h"
#include "pages/depreciation/frmPage7.h"
#include "store/ClauseStore.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

using namespace Clause18;
using WidgetValues::cellText;
using WidgetValues::setCellText;

namespace
{
const QString blockNilWarning = "You have selected Block Nil in Depreciation chart in some assets. If any "
                                "block ceases to exist then please "
                                "select appropriate checkmark of Block Nil In 3CD.";
} // namespace

class Page7 : public PageTest
{
protected:
    std::unique_ptr<frmPage7> open(const QString &client)
    {
        env->openForm(FormKind::F3CA, client);
        auto *page = qobject_cast<frmPage7 *>(PageFactory::create(FormKind::F3CA, 7));
        EXPECT_NE(page, nullptr);
        return std::unique_ptr<frmPage7>(page);
    }

    // A block of its own on an empty grid, row 0 current.
    void oneBlock(frmPage7 &page, const QString &opening)
    {
        ClauseGrid *grid = page.grd18();
        grid->setRowCount(1);
        setCellText(grid, 0, Description, "(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)");
        setCellText(grid, 0, Rate, "15%");
        setCellText(grid, 0, OpeningWdv, opening);
        grid->setCurrentCell(0, 0);
    }
};

TEST_P(Page7, ImportsTheBlockChartAndWritesOneRowPerBlock)
{
    auto page = open("C002");
    env->prompt().queue(PromptAnswer::Yes);
    page->importButton()->click(); // C002 keeps the block-wise chart
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{
                  "Do you want to Import Figures for 'Depreciation Allowable'?", blockNilWarning,
                  "You have done assets wise entry in Block wise chart so in case of Sale/Deduction you may "
                  "get incorrect calculation of depreciation so you are suggested to do Block wise entry"}));
    ASSERT_EQ(page->grd18()->rowCount(), 5);
    page->faChartTick()->setChecked(true);
    ASSERT_TRUE(page->SaveData());

    const auto rows = ClauseStore::readPoint(7, "18");
    ASSERT_EQ(rows.size(), 5);
    const auto &machinery = rows.at(2);
    EXPECT_EQ(machinery.formName, "3CD");
    EXPECT_EQ(machinery.col(1), "(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)");
    EXPECT_EQ(machinery.col(2), "15%");
    EXPECT_EQ(machinery.col(3), "960000.00");
    EXPECT_EQ(machinery.col(11), "737000.00");
    EXPECT_EQ(machinery.col(12), "312000.00");
    EXPECT_EQ(machinery.col(18), "338350");
    EXPECT_EQ(machinery.col(19), "1298650.00");
    EXPECT_TRUE(machinery.col(20).contains("#R#"));
    EXPECT_EQ(machinery.col(21), "15/01/2026#C#60000.00#C#0");
    EXPECT_EQ(machinery.col(22), "False");
    EXPECT_EQ(machinery.col(23), "3");
    const auto tick = ClauseStore::readPoint(201, "FAChart", false);
    ASSERT_EQ(tick.size(), 1);
    EXPECT_EQ(tick.first().col(1), "1");

    // Saving again writes the same rows.
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(ClauseStore::readPoint(7, "18").size(), 5);
    EXPECT_EQ(ClauseStore::readPoint(201, "FAChart", false).size(), 1);
}

TEST_P(Page7, AConcessionalRegimeLeavesOutAdditionalDepreciation)
{
    auto page = open("C001"); // clause 8a: opted for section 115BAA
    env->prompt().queue(PromptAnswer::Yes);
    page->Import_Depr_NewAssetWise();
    EXPECT_EQ(env->prompt().texts().first(),
              "Additional Depreciation is not allowed, if opted for taxation U/S "
              "115BAC/115BAD/115BA/115BAA/115BAB");
    ASSERT_EQ(page->grd18()->rowCount(), 6);
    // Plant and machinery at 15%: normal depreciation only.
    EXPECT_EQ(cellText(page->grd18(), 3, DepreciationAllowable), "775950.00");
}

TEST_P(Page7, AnEmptyChartImportsNothing)
{
    auto page = open("C004");
    page->Import_Depr_NewAssetWise();
    EXPECT_EQ(env->prompt().lastText(), "No Asset in Depreciation Chart as per Income-Tax !");
    EXPECT_FALSE(page->grd18()->holdsData());
}

TEST_P(Page7, TheFramesFillTheRowAndTheRowIsRecomputed)
{
    auto page = open("C003");
    oneBlock(*page, "100000.00");
    AdditionDeductionFrame *frame = page->additionsFrame();
    ASSERT_TRUE(frame->isEnabled());
    ClauseGrid *add = frame->additionsGrid();
    add->setRowCount(2);
    // Put to use the day before the cut-off (4 October 2025) and on it.
    for (int c = 0; c < 6; ++c) {
        setCellText(add, 0, c,
                    QStringList{"01/06/2025", "03/10/2025", "40000.00", "0.00", "0.00", "0.00"}.at(c));
        setCellText(add, 1, c,
                    QStringList{"01/10/2025", "04/10/2025", "20000.00", "0.00", "500.00", "-500.00"}.at(c));
    }
    frame->additionsOk()->click();
    ClauseGrid *grid = page->grd18();
    EXPECT_EQ(cellText(grid, 0, TotalAdditions), "60000.00");
    EXPECT_EQ(cellText(grid, 0, Additions180OrMore), "40000.00");
    EXPECT_EQ(cellText(grid, 0, AdditionsLess180), "20000.00");
    EXPECT_EQ(cellText(grid, 0, AdditionsList),
              "01/06/2025#C#03/10/2025#C#40000.00#C#0.00#C#0.00#C#0.00#C#40000.00#R#"
              "01/10/2025#C#04/10/2025#C#20000.00#C#0.00#C#500.00#C#-500.00#C#20000.00");
    // 15% of 140000.00 and half of it on the 20000.00 put to use late.
    EXPECT_EQ(cellText(grid, 0, DepreciationAllowable), "22500.00");
    EXPECT_EQ(cellText(grid, 0, ClosingWdv), "137500.00");

    ClauseGrid *ded = frame->deductionsGrid();
    ded->setRowCount(1);
    setCellText(ded, 0, 0, "15/02/2026");
    setCellText(ded, 0, 1, "200000.00");
    setCellText(ded, 0, 2, "True");
    frame->deductionsOk()->click();
    EXPECT_EQ(cellText(grid, 0, DeductionsOutOfLess180), "200000.00");
    EXPECT_EQ(cellText(grid, 0, DepreciationAllowable), "21000.00");
    EXPECT_EQ(cellText(grid, 0, DeductionsList), "15/02/2026#C#200000.00#C#1");
    EXPECT_EQ(cellText(grid, 0, ClosingWdv), "0"); // never negative

    // A typed depreciation becomes a plain number and the row follows it.
    setCellText(grid, 0, OpeningWdv, "500000.00");
    setCellText(grid, 0, DepreciationAllowable, "1,000");
    page->setAfterEdit("grd18");
    EXPECT_EQ(cellText(grid, 0, DepreciationAllowable), "1000.00");
    EXPECT_EQ(cellText(grid, 0, ClosingWdv), "359000.00");

    setCellText(grid, 0, BlockNil, "True");
    page->setAfterEdit("grd18");
    EXPECT_EQ(cellText(grid, 0, ClosingWdv), "0");
    EXPECT_EQ(cellText(grid, 0, DepreciationAllowable), "1000.00");
}

TEST_P(Page7, TheAdditionAndDeductionListsShowHintsOnThePage)
{
    auto page = open("C003");
    oneBlock(*page, "100000.00");
    AdditionDeductionFrame *frame = page->additionsFrame();
    ClauseGrid *add = frame->additionsGrid();
    add->setCurrentCell(0, 1);
    EXPECT_TRUE(page->hintLabel()->text().startsWith("Date put to use: "))
        << page->hintLabel()->text().toStdString();
    EXPECT_TRUE(page->hintLabel()->text().contains("180 days"));
    add->setCurrentCell(0, 6);
    EXPECT_EQ(page->hintLabel()->text(), "Total value: computed from the other columns, not typed");
    ClauseGrid *ded = frame->deductionsGrid();
    ded->setCurrentCell(0, 2);
    EXPECT_TRUE(page->hintLabel()->text().startsWith(
        "Whether deletions are out of purchases put to use for less than 180 days: Space ticks it"));
    for (ClauseGrid *grid : {add, ded}) {
        for (int c = 0; c < grid->columnCount(); ++c)
            EXPECT_FALSE(grid->column(c).hint.isEmpty() && !grid->column(c).computed) << c;
    }
}

TEST_P(Page7, ChoosingABlockSetsItsRate)
{
    auto page = open("C003");
    ClauseGrid *grid = page->grd18();
    grid->setRowCount(1);
    setCellText(grid, 0, Description, "(18ae) Batteries @ 5.27%-Sec 32(1)(i)");
    grid->cellEdited(0, Description);
    EXPECT_EQ(cellText(grid, 0, Rate), "5.27%-");
}

TEST_P(Page7, LegacyDescriptionsAreRewrittenOnLoad)
{
    env->openForm(FormKind::F3CA, "C003");
    QStringList cells = emptyRow();
    cells[Description] = "Building 10%";
    cells[Rate] = "10%";
    cells[OpeningWdv] = "1000.00";
    cells << "1";
    ClauseStore::insertRow(7, "18", cells);
    std::unique_ptr<frmPage7> page(qobject_cast<frmPage7 *>(PageFactory::create(FormKind::F3CA, 7)));
    EXPECT_EQ(cellText(page->grd18(), 0, Description), "(18l) Building @ 10%- Sec 32(1)(ii)");
    EXPECT_EQ(cellText(page->grd18(), 0, ClosingWdv), "1000.00");
}

TEST_P(Page7, ValidationStopsAtTheFirstFindingAndWritesNothing)
{
    auto page = open("C003");
    oneBlock(*page, "100000.00");
    setCellText(page->grd18(), 0, DepreciationAllowable, "15000.00");
    setCellText(page->grd18(), 0, TotalAdditions, "10.00"); // no list behind it
    moduleState().saveWithValidation = true;
    EXPECT_FALSE(page->SaveData());
    moduleState().saveWithValidation = false;
    EXPECT_EQ(env->prompt().lastText(),
              "Additions Totals of [(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)] are not matched.");
    EXPECT_TRUE(ClauseStore::readPoint(7, "18").isEmpty());

    setCellText(page->grd18(), 0, TotalAdditions, "");
    setCellText(page->grd18(), 0, OtherAdjustments, "15000.01");
    EXPECT_FALSE(page->validateForm());
    EXPECT_EQ(env->prompt().lastText(),
              "Other adjustment should be less than or equals to Depreciation allowable.");

    setCellText(page->grd18(), 0, OtherAdjustments, "0.00");
    env->prompt().clear();
    EXPECT_TRUE(page->validateForm()); // clause 17 left blank is answered "no information"
    EXPECT_EQ(env->prompt().lastText().left(20), "Clause 17 is blank. ");
    EXPECT_EQ(cellText(page->grd17(), 0, 0), "Nil");
}

TEST_P(Page7, NotApplicableClause18PassesAndDisablesTheImport)
{
    auto page = open("C003");
    ClauseSection *clause18 = page->section("18");
    clause18->notApplicableTick()->click();
    EXPECT_FALSE(page->importButton()->isEnabled());
    EXPECT_EQ(cellText(page->grd18(), 0, 0), "NA");
    EXPECT_TRUE(page->validateForm());
    ASSERT_TRUE(page->SaveData());
    const auto na = ClauseStore::readPoint(7, "NA18", false);
    ASSERT_EQ(na.size(), 1);
    EXPECT_EQ(na.first().col(1), "1");
}

TEST_P(Page7, AnnexureFilesGoWhenTheTickIsOff)
{
    auto page = open("C003");
    const QString folder = QDir(env->dir()).filePath("Annex3CD/C003/2026");
    QDir().mkpath(folder);
    moduleState().annexFolder = folder;
    for (const QString &name : {"18", "18A.dat", "18D", "17", "17A", "19"}) {
        QFile f(QDir(folder).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    page->section("17")->annexureTick()->setChecked(true);
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"17", "17A", "19"}));
    page->section("17")->annexureTick()->setChecked(false);
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"17A", "19"}));
}

TEST_P(Page7, ADeductionTypedButNotConfirmedSurvivesTheAdditionsOk)
{
    auto page = open("C003");
    oneBlock(*page, "100000.00");
    AdditionDeductionFrame *frame = page->additionsFrame();
    ClauseGrid *ded = frame->deductionsGrid();
    typeInto(ded, 0, 0, "15/02/2026");
    typeInto(ded, 0, 1, "25000");
    ClauseGrid *add = frame->additionsGrid();
    typeInto(add, 0, 0, "01/06/2025");
    typeInto(add, 0, 1, "01/06/2025");
    typeInto(add, 0, 2, "40000");
    frame->additionsOk()->click();
    EXPECT_EQ(cellText(page->grd18(), 0, TotalAdditions), "40000.00");
    EXPECT_EQ(cellText(ded, 0, 0), "15/02/2026");
    EXPECT_EQ(cellText(ded, 0, 1), "25000.00");
    EXPECT_EQ(cellText(add, 0, 2), "40000.00");
    // The additions wait in the same way for their own OK.
    typeInto(add, 0, 2, "50000");
    frame->deductionsOk()->click();
    EXPECT_EQ(cellText(page->grd18(), 0, TotalDeductions), "25000.00");
    EXPECT_EQ(cellText(add, 0, 2), "50000.00");
    EXPECT_EQ(cellText(page->grd18(), 0, TotalAdditions), "40000.00");
}

TEST_P(Page7, ListsLeftWithoutTheirOkAreOfferedForTheirBlock)
{
    auto page = open("C003");
    oneBlock(*page, "100000.00");
    fillRow(page->grd18(), 1, {"(18k) Building @ 5%- Sec 32(1)(ii)", "5%", "200000.00"});
    AdditionDeductionFrame *frame = page->additionsFrame();
    typeInto(frame->deductionsGrid(), 0, 0, "15/02/2026");
    typeInto(frame->deductionsGrid(), 0, 1, "25000");
    env->prompt().queue(PromptAnswer::Yes);
    page->grd18()->setCurrentCell(1, Description);
    EXPECT_EQ(env->prompt().lastText(),
              "The additions or deductions typed for [(18a) Plant & Machinery @ 15%- Sec "
              "32(1)(ii)] were not confirmed with OK. Do you want to put them into that "
              "block?");
    EXPECT_EQ(cellText(page->grd18(), 0, TotalDeductions), "25000.00");
    EXPECT_EQ(cellText(page->grd18(), 1, TotalDeductions), "");
    EXPECT_EQ(frame->blockName(), "(18k) Building @ 5%- Sec 32(1)(ii)");

    // Answered No, they are left out; at a save the question comes as well.
    typeInto(frame->additionsGrid(), 0, 2, "1000");
    env->prompt().queue(PromptAnswer::No);
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(env->prompt().texts().size(), 2);
    EXPECT_EQ(cellText(page->grd18(), 1, TotalAdditions), "");
}

TEST_P(Page7, ABlockTypedByHandTakesItsDepreciationFromTheRate)
{
    auto page = open("C003");
    ClauseGrid *grid = page->grd18();
    grid->setRowCount(1);
    setCellText(grid, 0, Description, "(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)");
    grid->cellEdited(0, Description);
    typeInto(grid, 0, OpeningWdv, "100000");
    EXPECT_EQ(cellText(grid, 0, DepreciationAllowable), "15000.00");
    EXPECT_EQ(cellText(grid, 0, ClosingWdv), "85000.00");
    // The figure follows the block as long as the accountant has not typed one of his own.
    typeInto(grid, 0, OpeningWdv, "200000");
    EXPECT_EQ(cellText(grid, 0, DepreciationAllowable), "30000.00");
    typeInto(grid, 0, Adjustment115BAC, "-20000");
    EXPECT_EQ(cellText(grid, 0, DepreciationAllowable), "27000.00");
    EXPECT_EQ(cellText(grid, 0, ClosingWdv), "153000.00");
    // A typed depreciation (an asset used part of the year) stays as typed.
    typeInto(grid, 0, DepreciationAllowable, "25000");
    typeInto(grid, 0, OpeningWdv, "300000");
    EXPECT_EQ(cellText(grid, 0, DepreciationAllowable), "25000.00");
    EXPECT_EQ(cellText(grid, 0, ClosingWdv), "255000.00");
    // Emptied, it is the rate's again.
    grid->setCurrentCell(0, DepreciationAllowable);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(cellText(grid, 0, DepreciationAllowable), "42000.00");

    ASSERT_TRUE(page->SaveData());
    const auto rows = ClauseStore::readPoint(7, "18");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first().col(18), "42000.00");
    EXPECT_EQ(rows.first().col(19), "238000.00");
}

TEST_P(Page7, ClauseEighteenShowsTotalsThatAreNeverARow)
{
    auto page = open("C003");
    ClauseGrid *grid = page->grd18();
    fillRow(grid, 0, {"(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)", "15%", "100000.00"});
    fillRow(grid, 1, {"(18k) Building @ 5%- Sec 32(1)(ii)", "5%", "200000.00"});
    page->setAfterEdit("grd18");
    auto *totals = page->findChild<TotalsRow *>("grd18Totals");
    ASSERT_NE(totals, nullptr);
    EXPECT_EQ(totals->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(totals->texts().value(Description), "");
    EXPECT_EQ(totals->texts().value(Rate), "");
    EXPECT_EQ(totals->texts().value(OpeningWdv), "300000.00");
    EXPECT_EQ(totals->texts().value(ClosingWdv), "300000.00");
    EXPECT_EQ(totals->texts().value(AdditionsList), ""); // hidden columns are not added up
    typeInto(grid, 1, OpeningWdv, "250000");
    EXPECT_EQ(totals->texts().value(OpeningWdv), "350000.00");
    EXPECT_EQ(totals->texts().value(DepreciationAllowable), "12500.00");

    EXPECT_EQ(grid->rowCount(), 2);
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(ClauseStore::readPoint(7, "18").size(), 2);
}

TEST_P(Page7, ThePageStaysPutWhileABlockIsTypedIn)
{
    auto page = open("C003");
    page->resize(1340, 560);
    page->show();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    ClauseGrid *grid = page->grd18();
    grid->setRowCount(3);
    // The accountant scrolls down to clause 18 and clicks into the opening value of a block.
    auto *scroll = page->findChild<QScrollArea *>();
    ASSERT_NE(scroll, nullptr);
    scroll->verticalScrollBar()->setValue(grid->mapTo(scroll->widget(), QPoint(0, 0)).y() - 30);
    QCoreApplication::processEvents();
    const QPoint before = grid->mapTo(page.get(), QPoint(0, 0));
    const QRect cell = grid->visualRect(grid->model()->index(1, OpeningWdv));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::keyClick(grid, Qt::Key_1);
    QTest::keyClicks(QApplication::focusWidget(), "00000");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(cellText(grid, 1, OpeningWdv), "100000.00");
    EXPECT_EQ(grid->mapTo(page.get(), QPoint(0, 0)), before);

    // The next click lands where it was aimed.
    const QRect next = grid->visualRect(grid->model()->index(2, Adjustment115BAC));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, next.center());
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(grid->currentColumn(), int(Adjustment115BAC));
    EXPECT_EQ(grid->mapTo(page.get(), QPoint(0, 0)), before);
}

TALVEX_BOTH_ENGINES(Page7);
