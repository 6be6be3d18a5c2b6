#include "ModelTestSupport.h"

#include "catalogue/ClauseCatalogue.h"
#include "model/ReportModel.h"
#include "model/rules/CellChecks.h"

namespace
{

struct Samples {
    QString good, bad;
};

// A value the e-filing check takes and one it refuses, for a column of each kind.
std::optional<Samples> samplesFor(const Catalogue::Column &column)
{
    if (column.check == QLatin1String("pan"))
        return Samples{"AABCS1234K", "ABCDE12345"};
    if (column.check == QLatin1String("aadhaar"))
        return Samples{"234567890124", "123456789012"};
    if (column.check == QLatin1String("tan"))
        return Samples{"MUMA12345B", "MUMA1234B"};
    switch (column.kind) {
    case Catalogue::Kind::Date:
        return Samples{"31/03/2026", "31/02/2026"};
    case Catalogue::Kind::Amount:
        return Samples{"1250.50", "12,50"};
    case Catalogue::Kind::Whole:
        return Samples{"12", "12.5"};
    default:
        return std::nullopt;
    }
}

} // namespace

TEST(CellChecks, EveryCheckedColumnOfTheCatalogueRefusesWhatTheFileCheckRefuses)
{
    int checked = 0;
    for (const Catalogue::Page &page : ClauseCatalogue::instance().pages()) {
        for (const Catalogue::Clause &clause : page.clauses) {
            for (const Catalogue::Control &control : clause.controls) {
                for (const Catalogue::Column &column : control.columns) {
                    const auto samples = samplesFor(column);
                    if (!samples)
                        continue;
                    ++checked;
                    EXPECT_EQ(CellChecks::message(column, samples->good), "")
                        << control.name.toStdString() << " " << column.heading.toStdString();
                    EXPECT_NE(CellChecks::message(column, samples->bad), "")
                        << control.name.toStdString() << " " << column.heading.toStdString();
                    // Empty cells and the markers are the clause's answers, not values.
                    EXPECT_EQ(CellChecks::message(column, ""), "");
                    EXPECT_EQ(CellChecks::message(column, "NA"), "");
                    EXPECT_EQ(CellChecks::message(column, "nil"), "");
                }
            }
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(CellChecks, MessagesAndWhatIsKept)
{
    Catalogue::Column pan;
    pan.check = "pan";
    EXPECT_EQ(CellChecks::normalised(pan, " aabcs1234k "), "AABCS1234K");
    EXPECT_EQ(CellChecks::message(pan, "abcde12345"), "Not a Valid PAN [abcde12345]");
    Catalogue::Column tan;
    tan.check = "tan";
    EXPECT_EQ(CellChecks::normalised(tan, "muma12345b"), "MUMA12345B");
    Catalogue::Column aadhaar;
    aadhaar.check = "aadhaar";
    EXPECT_EQ(CellChecks::message(aadhaar, "234567890125"), "Not a Valid Aadhaar [234567890125]");
    Catalogue::Column amount;
    amount.kind = Catalogue::Kind::Amount;
    EXPECT_NE(CellChecks::message(amount, "-5.00"), "");
    for (const char *good : {"5", "5.", ".5", "1250.50"})
        EXPECT_EQ(CellChecks::message(amount, good), "") << good;
    for (const char *bad : {".", "1.2.3", "1e3", "5-", "12,50", "+5", "१२"})
        EXPECT_NE(CellChecks::message(amount, bad), "") << bad;
    amount.signedAmount = true;
    EXPECT_EQ(CellChecks::message(amount, "-5.00"), "");
    EXPECT_NE(CellChecks::message(amount, "-"), "");
    EXPECT_NE(CellChecks::message(amount, "--5"), "");
    Catalogue::Column text;
    EXPECT_EQ(CellChecks::normalised(text, " abc "), "abc");
    // A whole number typed with a fraction is kept as typed for its check to refuse, never
    // rounded into another figure (clause 40's turnover typed as 845000.50).
    Catalogue::Column whole;
    whole.kind = Catalogue::Kind::Whole;
    EXPECT_EQ(CellChecks::kept(whole, "845000.50"), "845000.50");
    EXPECT_NE(CellChecks::message(whole, CellChecks::kept(whole, "845000.50")), "");
    EXPECT_EQ(CellChecks::kept(whole, "845000"), "845000");
}

using CellChecksOverTheModel = ModelTest;
TALVEX_BOTH_ENGINES(CellChecksOverTheModel);

TEST_P(CellChecksOverTheModel, FindsTheFirstBadCellOfAGridPoint)
{
    ReportModel report(ReportKey::current());
    const Catalogue::Control *control = ClauseCatalogue::instance().controlOf(9, "21bvi");
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(CellChecks::firstBadCell(report, 9, "21bvi", control->columns));
    QStringList good(14);
    good[0] = "15/07/2025";
    good[3] = "AABCS1234K";
    QStringList bad = good;
    bad[4] = "12345";
    report.setRows(9, "21bvi", {good, bad});
    const auto finding = CellChecks::firstBadCell(report, 9, "21bvi", control->columns);
    ASSERT_TRUE(finding);
    EXPECT_EQ(finding->row, 1);
    EXPECT_EQ(finding->column, 4);
    EXPECT_EQ(finding->message, "Not a Valid Aadhaar [12345]");
}
