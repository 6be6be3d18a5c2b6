#include "TestHost.h"

#include "base/ScriptedPrompt.h"
#include "model/ListSources.h"
#include "model/ReportModel.h"
#include "model/rules/ClauseCompleteness.h"
#include "pages/ClauseGrid.h"
#include "pages/CompletenessPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

// What a page shows of a clause's check: a clause grid over the rows of a report model, and the
// findings of its boxes, on a page window named as the editor names it.
class Completeness : public testing::Test
{
protected:
    void SetUp() override
    {
        setPrompts(&prompt);
        page.setObjectName("frmPage14");
        Catalogue::Control control;
        control.type = Catalogue::ControlType::Grid;
        control.point = "31a";
        for (const char *heading : {"Name", "Address", "Amount"}) {
            Catalogue::Column column;
            column.heading = heading;
            control.columns << column;
        }
        grid = new ClauseGrid(control, lists, report, 14, &page);
        CompletenessPrompts::setNavigator([this](int p) { shownPage = p; });
    }
    void TearDown() override
    {
        CompletenessPrompts::setNavigator({});
        setPrompts(nullptr);
    }
    void fill(int r, const QStringList &cells)
    {
        grid->setRowCount(std::max(grid->rowCount(), r + 1));
        for (int c = 0; c < cells.size(); ++c)
            grid->setCellText(r, c, cells.at(c));
    }

    ScriptedPrompt prompt;
    ReportModel report{ReportKey::of("C001", "2026", FormKind::F3CA)};
    ListSources lists;
    QWidget page;
    ClauseGrid *grid = nullptr;
    int shownPage = 0;
};

TEST_F(Completeness, AGridMarkedNilOrNaInAnyCaseIsComplete)
{
    fill(0, {"na"});
    EXPECT_TRUE(CheckClause(grid, "31(a)", nullptr, true));
    fill(0, {"NIL"});
    EXPECT_TRUE(CheckClause(grid, "31(a)", nullptr, true));
    EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(Completeness, ANotApplicableOrDisabledGridIsComplete)
{
    QCheckBox na(&page);
    na.setChecked(true);
    EXPECT_TRUE(CheckClause(grid, "31(a)", &na, true));
    na.setChecked(false);
    grid->setEnabled(false);
    EXPECT_TRUE(CheckClause(grid, "31(a)", &na, true));
}

TEST_F(Completeness, AnEmptyOptionalGridAnsweredNoHoldsOneNilRow)
{
    fill(0, {});
    fill(1, {});
    prompt.queue(PromptAnswer::No);
    EXPECT_TRUE(CheckClause(grid, "31(a)"));
    EXPECT_EQ(shownPage, 14);
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->cellText(0, 2), "Nil");
    // The answer is the report's: the model holds the one "Nil" row.
    ASSERT_EQ(report.rows(14, "31a").size(), 1);
    EXPECT_EQ(report.rows(14, "31a").first().col(1), "Nil");
}

TEST_F(Completeness, APartlyFilledMandatoryGridIsIncompleteUnlessTheColumnIsOptional)
{
    fill(0, {"Ramesh Traders", "", "250000.00"});
    EXPECT_TRUE(CheckClause(grid, "31(a)"));
    EXPECT_FALSE(CheckClause(grid, "31(a)", nullptr, true));
    EXPECT_EQ(prompt.lastText(), "Clause 31(a) is incomplete. Please fill data in clause 31(a)");
    EXPECT_TRUE(CheckClause(grid, "31(a)", nullptr, true, {1}));
}

TEST_F(Completeness, AMandatoryTextMustBeFilled)
{
    QLineEdit text(&page);
    report.setRows(14, "AuditorName", {{""}});
    EXPECT_FALSE(CompletenessPrompts::showFinding(
        &text, ClauseCompleteness::textAt(report, 14, "AuditorName", 1, "Auditor Name", true)));
    EXPECT_EQ(prompt.lastText(), "Please fill data in clause Auditor Name");
    EXPECT_EQ(shownPage, 14);
}

TEST_F(Completeness, AnEmptyComboIsIncomplete)
{
    QComboBox combo(&page);
    combo.addItems({"CASH SYSTEM", "MERCANTILE SYSTEM"});
    combo.setCurrentIndex(-1);
    report.setRows(14, "13a", {{combo.currentText()}});
    EXPECT_FALSE(
        CompletenessPrompts::showFinding(&combo, ClauseCompleteness::comboAt(report, 14, "13a", "13(a)")));
    EXPECT_EQ(prompt.lastText(), "Clause 13(a) is incomplete. Please fill data in clause 13(a)");
    combo.setCurrentIndex(1);
    report.setValue(14, "13a", combo.currentText());
    EXPECT_TRUE(
        CompletenessPrompts::showFinding(&combo, ClauseCompleteness::comboAt(report, 14, "13a", "13(a)")));
}
