#include "TestHost.h"

#include "base/ScriptedPrompt.h"
#include "pages/CompletenessPrompts.h"
#include "pages/WidgetValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

using WidgetValues::cellText;
using WidgetValues::setCellText;

class Completeness : public testing::Test
{
protected:
    void SetUp() override
    {
        setPrompts(&prompt);
        page.setObjectName("frmPage14");
        grid = new QTableWidget(0, 3, &page);
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
            setCellText(grid, r, c, cells.at(c));
    }

    ScriptedPrompt prompt;
    QWidget page;
    QTableWidget *grid = nullptr;
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
    EXPECT_EQ(cellText(grid, 0, 2), "Nil");
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
    EXPECT_FALSE(CheckClause(&text, "Auditor Name", nullptr, true));
    EXPECT_EQ(prompt.lastText(), "Please fill data in clause Auditor Name");
    EXPECT_EQ(shownPage, 14);
}

TEST_F(Completeness, AnEmptyComboIsIncomplete)
{
    QComboBox combo(&page);
    combo.addItems({"CASH SYSTEM", "MERCANTILE SYSTEM"});
    combo.setCurrentIndex(-1);
    EXPECT_FALSE(CheckClause(&combo, "13(a)"));
    EXPECT_EQ(prompt.lastText(), "Clause 13(a) is incomplete. Please fill data in clause 13(a)");
    combo.setCurrentIndex(1);
    EXPECT_TRUE(CheckClause(&combo, "13(a)"));
}
