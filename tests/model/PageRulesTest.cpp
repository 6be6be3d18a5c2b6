#include "ModelTestSupport.h"

#include "catalogue/AssesseeRow.h"
#include "dialogs/FindingsWindow.h"
#include "efiling/ReportCheck.h"
#include "model/ReportModel.h"
#include "model/depreciation/Clause18Row.h"
#include "model/rules/PageRules.h"
#include "model/rules/ReportPageRules.h"
#include "model/rules/ReportRules.h"
#include "model/rules/ReportWords.h"
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

namespace
{

// A value of a report page put to `value` in a report that passes, and what the check says.
struct Breach {
    int page;
    QString point;
    int column; // in the point's row, from 0
    QString value;
    QString message;
};

using ReportPageRule = std::optional<ReportFinding> (*)(const ReportModel &);

// Each value broken alone, then put back; the finding names the value's place.
void expectEachRefused(ReportModel &model, ReportPageRule rule, const QList<Breach> &breaches)
{
    ASSERT_FALSE(rule(model)) << messageOf(rule(model)).toStdString();
    for (const Breach &b : breaches) {
        const QString kept = model.value(b.page, b.point, b.column + 1);
        model.setValue(b.page, b.point, b.value, b.column + 1);
        const std::optional<ReportFinding> found = rule(model);
        EXPECT_EQ(messageOf(found), b.message) << b.point.toStdString() << ' ' << b.column;
        if (found) {
            EXPECT_EQ(found->page, b.page);
            EXPECT_EQ(found->point, b.point);
            EXPECT_EQ(found->column, b.column) << b.message.toStdString();
        }
        model.setValue(b.page, b.point, kept, b.column + 1);
    }
    ASSERT_FALSE(rule(model));
}

} // namespace

TEST_P(PageRulesTest, TheForm3CAReportPage)
{
    auto model = ReportModel::load();
    model->setValue(1, "3CA1", "15/03/2026", 8);
    model->setValue(1, "3CAOTH", "01/04/2026", 5);
    const Catalogue::PointRef assessee = AssesseeRow::placeOn("3CA");
    const auto person = [&](const AssesseeRow::Column &column, const QString &value, const QString &message) {
        return Breach{assessee.page, assessee.point, AssesseeRow::index(column), value, message};
    };
    const auto one = [](int column, const QString &value, const QString &message) {
        return Breach{1, "3CA1", column, value, message};
    };
    const QString choose = "Please select an option from the dropdown.";
    expectEachRefused(
        *model, ReportPageRules::form3ca,
        {one(0, " ", "Please select an option I/We from the list."),
         person(AssesseeRow::AddressLine1, "", "Please enter Address of Assessee"),
         person(AssesseeRow::PostOffice, "", "Please enter post office"),
         person(AssesseeRow::Area, "", "Please enter area/locality"),
         person(AssesseeRow::District, "", "Please enter district"),
         person(AssesseeRow::PAN, "AABCS1234", "Please enter Valid PAN of Assessee"),
         one(2, "", "Please enter the name of the CA/Partnership firm who audited"),
         one(3, "", "Please select the Name of the Act."),
         one(7, "15/13/2026", "Please enter the valid date of signing of the report"),
         one(1, "", choose),
         one(5, "", choose),
         one(6, "", choose),
         one(8, "", choose),
         one(11, "", choose),
         one(12, "", choose),
         Breach{1, "3CA3", 0, "", choose},
         Breach{1, "3CA3", 1, "", choose},
         Breach{1, "3CA3", 2, "", choose},
         Breach{1, "3CAOTH", 3, "", "Please enter the place of signing the report"},
         Breach{1, "3CAOTH", 4, "", "Please enter the  valid date of Signing the report"},
         Breach{1, "3CAOTH", 4, "01/03/2026",
                "Date of Signing the Report can not be Less than Reported Date. [01/03/2026] is before the "
                "audit report of 15/03/2026."},
         Breach{1, "3CAOTH", 4, "31/03/2026", "Date should be greater than 31/03/2026"}});

    // The name is refused only when all three of its parts are missing.
    for (const AssesseeRow::Column *part :
         {&AssesseeRow::FirstName, &AssesseeRow::MiddleName, &AssesseeRow::LastName})
        model->setValue(assessee.page, assessee.point, "", *part);
    EXPECT_EQ(messageOf(ReportPageRules::form3ca(*model)), "Please enter Name of the Assessee");
    model->setValue(assessee.page, assessee.point, "Sharma", AssesseeRow::LastName);

    // The name of another Act is asked for only when the Act is none of the listed ones.
    model->setValue(1, "3CA1", ReportWords::otherAct(), 4);
    model->setValue(1, "3CA1", "", 5);
    const auto other = ReportPageRules::form3ca(*model);
    EXPECT_EQ(messageOf(other), "Please enter the Name of the other Act.");
    model->setValue(1, "3CA1", "Bombay Co-operative Societies Act, 1925", 5);
    EXPECT_FALSE(ReportPageRules::form3ca(*model));

    // The whole report's check tells the page's first refusal, as the editor's findings do.
    model->setValue(1, "3CAOTH", "", 4);
    const QList<ReportFinding> all = ReportFindings::collect(*model);
    ASSERT_FALSE(all.isEmpty());
    EXPECT_EQ(ReportFindings::line(all.first()), "Page 1: Please enter the place of signing the report");
}

TEST_P(PageRulesTest, TheForm3CBReportPage)
{
    env->openForm(FormKind::F3CB);
    auto model = ReportModel::load();
    model->setRows(101, "3CBPT1",
                   {{"We", "31/03/2026", "Profit and Loss Account", "01/04/2025", "31/03/2026"}});
    QStringList person = AssesseeRow::emptyRow();
    person[AssesseeRow::index(AssesseeRow::FirstName)] = "Mehta & Sons";
    person[AssesseeRow::index(AssesseeRow::AddressLine1)] = "12, Ganesh Bhavan";
    person[AssesseeRow::index(AssesseeRow::PostOffice)] = "Ahmedabad G.P.O.";
    person[AssesseeRow::index(AssesseeRow::Area)] = "Navrangpura";
    person[AssesseeRow::index(AssesseeRow::District)] = "Ahmedabad";
    person[AssesseeRow::index(AssesseeRow::PAN)] = "AAHFM4521L";
    const Catalogue::PointRef assessee = AssesseeRow::placeOn("3CB");
    model->setRows(assessee.page, assessee.point, {person});
    model->setRows(101, "3CBPT2", {{"We", "Profit and Loss Account", "Ahmedabad", "0"}});
    model->setRows(101, "3CBOTH", {{"0", "", "", "Ahmedabad", "01/04/2026"}});

    const auto of = [&](const AssesseeRow::Column &column, const QString &message) {
        return Breach{assessee.page, assessee.point, AssesseeRow::index(column), "", message};
    };
    expectEachRefused(*model, ReportPageRules::form3cb,
                      {Breach{101, "3CBPT1", 0, "", "Please select an option i/We from the list."},
                       of(AssesseeRow::FirstName, "Please enter Name of the Assessee."),
                       of(AssesseeRow::AddressLine1, "Please enter Address of Assessee."),
                       of(AssesseeRow::PostOffice, "Please enter post office."),
                       of(AssesseeRow::Area, "Please enter area/locality."),
                       of(AssesseeRow::District, "Please enter district."),
                       of(AssesseeRow::PAN, "Please enter Valid PAN of Assessee."),
                       Breach{101, "3CBPT2", 2, "", "Please enter head office address."},
                       Breach{101, "3CBPT2", 3, "", "Please enter number of branches."},
                       Breach{101, "3CBOTH", 3, "", "Please enter place."},
                       Breach{101, "3CBOTH", 4, "31/04/2026", "Please enter date."},
                       Breach{101, "3CBOTH", 4, "31/03/2026", "Date should be greater than 31/03/2026"}});
    // The whole report's check runs the report page of the model's form.
    EXPECT_FALSE(ReportPageRules::reportPage(*model));
    model->setValue(101, "3CBOTH", "", 4);
    EXPECT_EQ(messageOf(ReportPageRules::reportPage(*model)), "Please enter place.");
}
