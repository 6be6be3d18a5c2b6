#include "ModelTestSupport.h"

#include "model/ReportModel.h"
#include "model/rules/ClauseCompleteness.h"

// Whether a clause's control holds what the clause asks, over a report model built here: the
// pages put what they show into the model and ask these before a page is kept.
using ClauseCompletenessTest = ModelTest;
TALVEX_BOTH_ENGINES(ClauseCompletenessTest);

namespace
{

using ClauseCompleteness::GridShape;

QString messageOf(const std::optional<ReportFinding> &f)
{
    return f ? f->message : QString();
}

GridShape shapeOf(int columns, const QSet<int> &skipped = {})
{
    GridShape shape;
    shape.columns = columns;
    shape.skipped = skipped;
    return shape;
}

} // namespace

TEST_P(ClauseCompletenessTest, TextBoxesAndChoices)
{
    auto model = ReportModel::load();
    model->setRows(5, "13a", {{""}});
    const auto choice = ClauseCompleteness::comboAt(*model, 5, "13a", "13(a)");
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->kind, ReportFinding::Kind::Value);
    EXPECT_EQ(choice->message, "Clause 13(a) is incomplete. Please fill data in clause 13(a)");
    EXPECT_EQ(choice->page, 5);
    EXPECT_EQ(choice->point, "13a");
    model->setValue(5, "13a", "MERCANTILE SYSTEM");
    EXPECT_FALSE(ClauseCompleteness::comboAt(*model, 5, "13a", "13(a)"));

    model->setRows(21, "AuditorName", {{""}});
    EXPECT_EQ(messageOf(ClauseCompleteness::textAt(*model, 21, "AuditorName", 1, "Auditor Name", true)),
              "Please fill data in clause Auditor Name");
    const auto blank = ClauseCompleteness::textAt(*model, 21, "AuditorName", 1, "Auditor Name", false);
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->kind, ReportFinding::Kind::Blank);
    EXPECT_EQ(blank->message, "Clause Auditor Name is blank");
    // A clause answered "Nil" passes the next check without a question.
    model->setValue(21, "AuditorName", "Nil");
    EXPECT_FALSE(ClauseCompleteness::textAt(*model, 21, "AuditorName", 1, "Auditor Name", true));

    // A field of a row of fields is its own column.
    model->setRows(10, "24", {{"1500.00", ""}});
    EXPECT_FALSE(ClauseCompleteness::textAt(*model, 10, "24", 1, "24", true));
    EXPECT_EQ(messageOf(ClauseCompleteness::textAt(*model, 10, "24", 2, "24", true)),
              "Please fill data in clause 24");
}

TEST_P(ClauseCompletenessTest, GridsMarkersBlanksAndPartlyFilledRows)
{
    auto model = ReportModel::load();
    const GridShape shape = shapeOf(3);
    model->setRows(14, "31a", {{"", "", ""}, {"", "", ""}});
    EXPECT_EQ(messageOf(ClauseCompleteness::gridAt(*model, 14, "31a", shape, "31(a)", true)),
              "Please fill data in clause 31(a)");
    const auto blank = ClauseCompleteness::gridAt(*model, 14, "31a", shape, "31(a)", false);
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->kind, ReportFinding::Kind::Blank);

    model->setRows(14, "31a", {{"Ramesh Traders", "", "250000.00"}});
    EXPECT_FALSE(ClauseCompleteness::gridAt(*model, 14, "31a", shape, "31(a)", false));
    const auto partly = ClauseCompleteness::gridAt(*model, 14, "31a", shape, "31(a)", true);
    ASSERT_TRUE(partly);
    EXPECT_EQ(partly->message, "Clause 31(a) is incomplete. Please fill data in clause 31(a)");
    EXPECT_EQ(partly->row, 1);
    EXPECT_EQ(partly->column, 1);
    GridShape named = shape;
    named.headings = {"Name", "PAN", "Amount"};
    EXPECT_EQ(ClauseCompleteness::gridAt(*model, 14, "31a", named, "31(a)", true)->item, "PAN");
    EXPECT_FALSE(ClauseCompleteness::gridAt(*model, 14, "31a", shapeOf(3, {1}), "31(a)", true));

    // A marker row in any letter case answers the clause, whatever the other rows hold.
    model->setRows(14, "31a", {{"Ramesh Traders", "", ""}, {"na", "", ""}});
    EXPECT_FALSE(ClauseCompleteness::gridAt(*model, 14, "31a", shape, "31(a)", true));
    model->setRows(14, "31a", {{"NIL", "", ""}});
    EXPECT_FALSE(ClauseCompleteness::gridAt(*model, 14, "31a", shape, "31(a)", true));

    // A row may leave empty what its own values excuse.
    GridShape excused = shape;
    excused.excepted = [](const QStringList &row) {
        return row.at(0) == QLatin1String("Others") ? QSet<int>{1} : QSet<int>{};
    };
    model->setRows(14, "31a", {{"Others", "", "100.00"}});
    EXPECT_FALSE(ClauseCompleteness::gridAt(*model, 14, "31a", excused, "31(a)", true));
    model->setRows(14, "31a", {{"Others", "", "100.00"}, {"Firm", "", "100.00"}});
    const auto second = ClauseCompleteness::gridAt(*model, 14, "31a", excused, "31(a)", true);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->row, 2);
}
