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

// One clause of two parts, a pair of amounts and a date: a page names the first part left
// empty; the report's list names the clause once, and only when nothing of it is given.
TEST_P(ClauseCompletenessTest, AClauseControlByControlOrAsAWhole)
{
    using ClauseCompleteness::Extent;
    Catalogue::Clause clause;
    clause.label = "24";
    clause.option = "Opt24";
    Catalogue::Control amounts;
    amounts.type = Catalogue::ControlType::Fields;
    amounts.point = "24";
    for (const char *name : {"paid", "due"}) {
        Catalogue::Field f;
        f.name = name;
        f.kind = Catalogue::Kind::Amount;
        amounts.fields << f;
    }
    Catalogue::Control paidOn;
    paidOn.point = "24d";
    paidOn.kind = Catalogue::Kind::Date;
    clause.controls = {amounts, paidOn};

    auto model = ReportModel::load();
    for (const char *point : {"Opt24", "24", "24d"})
        model->removePoint(10, point);
    const auto unanswered = ClauseCompleteness::clauseAt(*model, 10, clause, Extent::EachControl);
    ASSERT_TRUE(unanswered);
    EXPECT_EQ(unanswered->kind, ReportFinding::Kind::Answer);
    EXPECT_EQ(unanswered->point, "Opt24");
    EXPECT_EQ(unanswered->message, "Select either Yes  or No in clause 24");
    model->setValue(10, "Opt24", "No");
    EXPECT_FALSE(ClauseCompleteness::clauseAt(*model, 10, clause, Extent::EachControl));
    EXPECT_FALSE(ClauseCompleteness::clauseAt(*model, 10, clause, Extent::WholeClause));

    model->setValue(10, "Opt24", "Yes");
    const auto blankPart = ClauseCompleteness::clauseAt(*model, 10, clause, Extent::EachControl);
    ASSERT_TRUE(blankPart);
    EXPECT_EQ(blankPart->kind, ReportFinding::Kind::Blank);
    EXPECT_EQ(blankPart->column, 0);
    // Nothing given: the date makes the whole clause one to fill, never to answer "Nil".
    const auto whole = ClauseCompleteness::clauseAt(*model, 10, clause, Extent::WholeClause);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->kind, ReportFinding::Kind::Value);
    EXPECT_EQ(whole->point, "24");
    EXPECT_EQ(whole->message, "Please fill data in clause 24");

    model->setRows(10, "24", {{"1500.00", ""}});
    const auto due = ClauseCompleteness::clauseAt(*model, 10, clause, Extent::EachControl);
    ASSERT_TRUE(due);
    EXPECT_EQ(due->column, 1);
    EXPECT_FALSE(ClauseCompleteness::clauseAt(*model, 10, clause, Extent::WholeClause));

    model->setRows(10, "24", {{"1500.00", "0.00"}});
    const auto undated = ClauseCompleteness::clauseAt(*model, 10, clause, Extent::EachControl);
    ASSERT_TRUE(undated);
    EXPECT_EQ(undated->point, "24d");
    EXPECT_EQ(undated->message, "Please fill data in clause 24");
    model->setValue(10, "24d", "15/06/2025");
    EXPECT_FALSE(ClauseCompleteness::clauseAt(*model, 10, clause, Extent::EachControl));
}
