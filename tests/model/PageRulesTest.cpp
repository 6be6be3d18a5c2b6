#include "ModelTestSupport.h"

#include "dialogs/FindingsWindow.h"
#include "efiling/ReportCheck.h"
#include "model/ReportModel.h"
#include "model/depreciation/Clause18Row.h"
#include "model/rules/PageRules.h"
#include "model/rules/ReportRules.h"
#include "store/ReportKey.h"

// The rules the pages hold their clauses to, over a report model alone: what a page shows is
// put into the model before the rule reads it, and the whole report's check reads the same.
using PageRulesTest = ModelTest;
TALVEX_BOTH_ENGINES(PageRulesTest);

namespace
{

QString messageOf(const std::optional<ReportFinding> &f)
{
    return f ? f->message : QString();
}

} // namespace

TEST_P(PageRulesTest, PartAAndQuestions)
{
    auto model = ReportModel::load();
    model->setRows(2, "3CD_A", {{"", "", "01/04/2025", "31/03/2026", "2026-27"}});
    EXPECT_EQ(messageOf(PageRules::assesseeStatus(*model)), "Please select status of the assessee");
    model->setRows(2, "3CD_A", {{"1", "Individual", "01/04/2025", "31/03/2026", "2026-27"}});
    EXPECT_FALSE(PageRules::assesseeStatus(*model));

    model->removePoint(2, "Opt8a");
    const auto unanswered = PageRules::unanswered(*model, 2, "8a");
    ASSERT_TRUE(unanswered);
    EXPECT_EQ(unanswered->message, "Select either Yes  or No in clause 8a");
    EXPECT_EQ(unanswered->point, "Opt8a");
    EXPECT_EQ(messageOf(PageRules::unanswered(*model, 2, "8a", "Answer 8a.")), "Answer 8a.");
    model->setValue(2, "Opt8a", "Yes");
    model->removePoint(2, "8a");
    EXPECT_FALSE(PageRules::unanswered(*model, 2, "8a"));
    EXPECT_EQ(messageOf(PageRules::clause8aSection(*model)),
              "Select section under which option excercised in clause 8a.");
    model->setValue(2, "8a", "115BAA");
    EXPECT_FALSE(PageRules::clause8aSection(*model));
}

TEST_P(PageRulesTest, DepreciationAndTheConcessionalRegime)
{
    auto model = ReportModel::load();
    QStringList block = Clause18::emptyRow();
    block[Clause18::Description] = "(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)";
    block[Clause18::Rate] = "15%";
    block[Clause18::OpeningWdv] = "100000.00";
    block[Clause18::DepreciationAllowable] = "15000.00";
    block[Clause18::OtherAdjustments] = "15000.01";
    model->setRows(7, "NA18", {});
    model->setRows(7, "18", {block});
    const auto found = PageRules::clause18(*model);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->message, "Other adjustment should be less than or equals to Depreciation allowable.");
    EXPECT_EQ(found->page, 7);
    EXPECT_EQ(found->row, 1);
    model->setValue(7, "NA18", "True"); // not applicable: the rows are not the clause's
    EXPECT_FALSE(PageRules::clause18(*model));

    model->setValue(2, "Opt8a", "Yes");
    model->setValue(2, "8a", "115BAA");
    model->setRows(8, "NA19", {});
    model->setRows(8, "19", {{"35(2AB)", "150000.00", "1000.00"}});
    const auto claimed = PageRules::clause19(*model);
    ASSERT_TRUE(claimed);
    EXPECT_EQ(claimed->message,
              "Deduction U/S 35(2AB) is not allowed, if opted for taxation U/S 115BAA. Amount "
              "admissible should be 0.");
    EXPECT_EQ(claimed->column, 2);
    model->setRows(8, "19", {{"35(2AB)", "150000.00", "0"}});
    EXPECT_FALSE(PageRules::clause19(*model));
}

TEST_P(PageRulesTest, DatesOfPaymentFurnishingAndSigning)
{
    auto model = ReportModel::load();
    model->setRows(9, "NA21biia", {});
    model->setRows(9, "21biia", {{"01/04/2026", "250000.00", "Technical services", "Acme GmbH"}});
    const auto payment = PageRules::clause21PaymentDates(*model);
    ASSERT_TRUE(payment);
    EXPECT_EQ(payment->message, "Date of payment should be greater than or equals to '01/04/2025'. and less "
                                "than or equals to '31/03/2026'");
    EXPECT_EQ(payment->point, "21biia");
    model->setRows(9, "21biia", {{"31/03/2026", "250000.00", "Technical services", "Acme GmbH"}});
    EXPECT_FALSE(PageRules::clause21PaymentDates(*model));

    model->setValue(20, "Opt42", "Yes");
    model->setRows(20, "42", {{"AABCS1234K.AB12", "Form 61A", "31/05/2026", "30/05/2026", "Yes", "-"}});
    EXPECT_EQ(messageOf(PageRules::clause42Numbers(*model)), "Specify Valid 'Identification Number'.");
    model->setRows(20, "42", {{"AABCS1234K.AB123", "Form 61A", "31/05/2026", "31/03/2025", "Yes", "-"}});
    EXPECT_FALSE(PageRules::clause42Numbers(*model));
    const auto furnished = PageRules::furnishingDates(*model);
    ASSERT_TRUE(furnished);
    EXPECT_EQ(furnished->message, "Date of furnishing should be greater than or equals to '01/04/2025'");
    EXPECT_EQ(furnished->column, 3);

    model->setValue(20, "Opt43", "NA");
    model->setValue(20, "43B", "");
    EXPECT_EQ(messageOf(PageRules::clause43ExpectedDate(*model)),
              "If Not due , please enter expected date of furnishing the report in clause 43.");
    model->setValue(20, "43B", "30/11/2026");
    EXPECT_FALSE(PageRules::clause43ExpectedDate(*model));

    model->setRows(20, "40a", {{"1000.50", "900"}});
    const auto decimal = PageRules::clause40Amounts(*model);
    ASSERT_TRUE(decimal);
    EXPECT_EQ(decimal->point, "40a");
    EXPECT_EQ(decimal->item, "Previous year");

    const QString page1 = model->key().form.formKind == FormKind::F3CB ? "3CBOTH" : "3CAOTH";
    const int reportPage = model->key().form.formKind == FormKind::F3CB ? 101 : 1;
    model->setRows(reportPage, page1, {{"0", "", "", "Mumbai", "30/09/2026"}});
    model->setValue(21, "DSIGN", "29/09/2026");
    EXPECT_EQ(
        messageOf(PageRules::signingDatesAgree(*model)),
        "The date of signing on page 21 [29/09/2026] is not the date of signing of the report on page 1 "
        "[30/09/2026]. Enter the same date on both pages.");
    model->setValue(21, "DSIGN", "30/09/2026");
    EXPECT_FALSE(PageRules::signingDatesAgree(*model));
    model->setValue(21, "DSIGN", "30/02/2026");
    EXPECT_TRUE(PageRules::signingDate(*model));
}

// `taxaudit validate-report` (and its older name `check`) prints the lines of the editor's
// findings window, the pages' own rules among them.
TEST_P(PageRulesTest, ValidateReportPrintsWhatTheFindingsWindowLists)
{
    auto model = ReportModel::load();
    model->setValue(20, "Opt42", "Yes");
    model->setRows(20, "42", {{"AABCS1234K.AB12", "Form 61A", "31/05/2026", "30/05/2026", "Yes", "-"}});
    model->savePage(20);

    const QList<ReportFinding> found = ReportCheck::findings(*ReportRules::loadAsWritten());
    const FindingsWindow window(found, {});
    QString listed;
    for (const ReportFinding &f : window.findings())
        listed += ReportFindings::line(f) + '\n';
    EXPECT_TRUE(listed.contains("Clause 42 (page 20), row 1, ")) << listed.toStdString();
    EXPECT_TRUE(listed.contains(": Specify Valid 'Identification Number'.\n")) << listed.toStdString();

    const ReportKey key = ReportKey::current();
    for (const char *command : {"validate-report", "check"}) {
        const ToolRun run = taxaudit({command, "--client", key.client, "--year", key.yearKey});
        EXPECT_EQ(run.status, 1) << run.err.toStdString();
        EXPECT_EQ(run.out, listed) << command;
    }
}
