#include "ModelTestSupport.h"

#include "efiling/EfilingExport.h"
#include "host/DemoAddressCodes.h"
#include "model/ReportModel.h"
#include "model/depreciation/Clause18Row.h"
#include "model/rules/DepreciationRules.h"
#include "model/rules/PartARules.h"
#include "model/rules/ReportRules.h"
#include "model/rules/SaveRules.h"
#include "model/rules/TurnoverRules.h"
#include "model/rules/ValueChecks.h"
#include "store/ClauseStore.h"

TEST(ValueChecks, IdentityNumbersUdinAndSigningDate)
{
    EXPECT_EQ(ValueChecks::normalisedUdin("  26123456abcdefghij "), "26123456ABCDEFGHIJ");
    EXPECT_TRUE(ValueChecks::isUdin("26123456ABCDEFGHIJ"));
    EXPECT_FALSE(ValueChecks::isUdin("26123456ABCDEFGHI"));
    EXPECT_EQ(ValueChecks::signingDateMessage("30/03/2026", "2026"),
              "Date of sigining should be greater than '31/03/2026'.");
    EXPECT_EQ(ValueChecks::signingDateMessage("31/03/2026", "2026"), "");
    EXPECT_EQ(ValueChecks::signingDateMessage("Nil", "2026"), "");
    EXPECT_EQ(ValueChecks::signingDateMessage("", "2026"), "");
}

TEST(DepreciationRules, AnOldBlockTextBecomesTodaysAndTheRowIsComputed)
{
    QStringList row = Clause18::emptyRow();
    row[Clause18::Description] = "Building 10%";
    row[Clause18::OpeningWdv] = "1,000";
    row[Clause18::TotalAdditions] = "500.00";
    row[Clause18::DepreciationAllowable] = "150";
    DepreciationRules::fixRow(row);
    EXPECT_EQ(row[Clause18::Description], "(18l) Building @ 10%- Sec 32(1)(ii)");
    EXPECT_EQ(row[Clause18::AdjustedWdv], "1000.00");
    EXPECT_EQ(row[Clause18::ClosingWdv], "1350.00");

    QStringList nil = Clause18::emptyRow();
    for (QString &c : nil)
        c = "Nil";
    const QStringList before = nil;
    DepreciationRules::fixRow(nil);
    EXPECT_EQ(nil, before);
}

using ReportRulesTest = ModelTest;
TALVEX_BOTH_ENGINES(ReportRulesTest);

TEST_P(ReportRulesTest, RatiosFollowTheirAmounts)
{
    auto model = ReportModel::load();
    model->setRows(20, "40b", {{"250", "1000", "99.99", "Nil", "nil", ""}});
    TurnoverRules::recomputeRatios(*model);
    EXPECT_EQ(model->value(20, "40b", 3), "25.00");
    EXPECT_EQ(model->value(20, "40b", 6), "Nil");
}

TEST_P(ReportRulesTest, AReportWithoutPartARowsGetsWhatThePagesShow)
{
    env->openForm(FormKind::F3CA, "C004");
    const auto storedBefore = ClauseStore::readAll();
    ReportModel model(ReportKey::current());
    ReportRules::applyAll(model);
    const QList<ReportModel::Row> one = model.rows(1, "3CA1", "3CA");
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one.first().col(10), "01/04/2025");
    EXPECT_EQ(one.first().col(11), "31/03/2026");
    EXPECT_EQ(one.first().col(12), "2026");
    EXPECT_EQ(model.value(1, "3CA1A", 12), "AAECS9876Q");
    EXPECT_EQ(model.value(1, "3CA1A", 3), "Sanjay O'Brien Trading Co.");
    EXPECT_EQ(model.value(2, "3CD_A", 1), "7");
    EXPECT_EQ(model.value(2, "3CD_A", 2), "Private Limited Company");
    EXPECT_EQ(model.value(2, "3CD_A", 5), "2026-27");
    EXPECT_EQ(model.value(21, "AudType"), "No");
    EXPECT_TRUE(model.has(21, "DSIGN"));
    // Nothing was written.
    EXPECT_EQ(ClauseStore::readAll().size(), storedBefore.size());
}

TEST_P(ReportRulesTest, AReportFilledOnlyThroughTheModelPassesTheSchema)
{
    // Every clause of the demo report copied into another client's report through the model.
    const auto demo = ReportModel::load();
    ReportModel other(ReportKey::of("C004", "2026", FormKind::F3CA));
    for (int page : demo->pages()) {
        for (const QString &point : demo->points(page)) {
            // The report page's assessee is the client's own.
            if (point == "3CA1A")
                continue;
            QList<QStringList> rows;
            for (const ReportModel::Row &row : demo->rows(page, point, demo->formNameForPage(page)))
                rows << row.cols;
            if (!rows.isEmpty())
                other.setRows(page, point, rows);
        }
    }
    ReportRules::applyAll(other);
    for (int page : other.pages())
        other.savePage(page);
    // The client's own address from the master carries no codes until the accountant types them.
    DemoData::enterAddressCodes(env->host().DBObj(), "C004", "2026");

    env->openForm(FormKind::F3CA, "C004");
    auto stored = ReportModel::load();
    EXPECT_EQ(stored->value(1, "3CA1A", 12), "AAECS9876Q");
    ReportRules::applyAll(*stored);
    const EfilingExport::Result result = EfilingExport::writeReport(*stored, file("C004.json"));
    EXPECT_EQ(result.outcome, EfilingExport::Outcome::Valid) << result.failure.toStdString();
    for (const ValidationFinding &f : result.check.findings)
        ADD_FAILURE() << f.member.toStdString() << ": " << f.message.toStdString();
}

TEST(SaveRules, AnswersAndTicksAreSpeltAsTheirRowsAreKept)
{
    EXPECT_EQ(SaveRules::storedAnswer("Opt8a", "Yes"), "True");
    EXPECT_EQ(SaveRules::storedAnswer("Opt43", "no"), "False");
    EXPECT_EQ(SaveRules::storedAnswer("Opt43", "NA"), "NA");
    EXPECT_EQ(SaveRules::storedAnswer("Opt4", "True"), "Yes");
    EXPECT_EQ(SaveRules::storedAnswer("Opt4", ""), "");
    EXPECT_EQ(SaveRules::storedTick("True"), "1");
    EXPECT_EQ(SaveRules::storedTick(" 1 "), "1");
    EXPECT_EQ(SaveRules::storedTick(""), "0");
}

TEST_P(ReportRulesTest, EveryWriterKeepsRowsInThePagesShape)
{
    auto model = ReportModel::load();
    model->setRows(2, "Opt8a", {{"Yes"}});
    model->setRows(20, "Opt43", {{"No"}});
    model->setRows(7, "NA17", {{"True"}});
    model->setRows(201, "Annex18", {{"yes"}});
    QStringList grid(ReportModel::kSequenceColumn);
    grid[0] = " Interest refund ";
    grid[1] = "100.00 ";
    grid.last() = "1";
    model->setRows(6, "16a", {grid});
    model->setRows(5, "14a", {{" LOWER OF COST OR MARKET RATE "}});
    ReportRules::applyAll(*model);
    EXPECT_EQ(model->value(2, "Opt8a"), "True");
    EXPECT_EQ(model->value(20, "Opt43"), "False");
    EXPECT_EQ(model->value(7, "NA17"), "1");
    EXPECT_EQ(model->value(201, "Annex18"), "0");
    EXPECT_EQ(model->value(6, "16a", 1), "Interest refund");
    EXPECT_EQ(model->value(6, "16a", 2), "100.00");
    // A text box keeps its text as typed; only grid cells are trimmed.
    EXPECT_EQ(model->value(5, "14a"), " LOWER OF COST OR MARKET RATE ");

    // A page's own rules touch that page alone.
    auto page = ReportModel::load();
    page->setRows(2, "Opt8a", {{"No"}});
    page->setRows(20, "Opt43", {{"Yes"}});
    SaveRules::apply(*page, 2);
    EXPECT_EQ(page->value(2, "Opt8a"), "False");
    EXPECT_EQ(page->value(20, "Opt43"), "Yes");
}

TEST_P(ReportRulesTest, GridCellsAreTrimmedWhetherStoredPaddedOrChangedSince)
{
    // Rows stored with blanks around their cells, as an older version or another program
    // may have left them, and rows stored clean.
    QStringList padded(22);
    padded[0] = "\tInterest refund";
    padded[1] = "100.00 ";
    QStringList clean(22);
    clean[0] = "Bonus";
    clean[1] = "5.00";
    ClauseStore::insertRows(6, "16a", {clean, padded, clean});

    auto model = ReportRules::loadAsWritten();
    EXPECT_EQ(model->column(6, "16a", 1), QStringList({"Bonus", "Interest refund", "Bonus"}));
    EXPECT_EQ(model->value(6, "16a", 2), "5.00");
    EXPECT_EQ(model->rows(6, "16a").at(1).col(2), "100.00");

    // A clean row read as stored and given a padded cell since is trimmed too.
    auto changed = ReportModel::load();
    ASSERT_TRUE(changed->setCell(6, "16a", 2, 1, QString::fromUtf8("Gift\u00a0")));
    changed->setValue(6, "16a", " Dividend", 2);
    ReportRules::applyAll(*changed);
    EXPECT_EQ(changed->rows(6, "16a").at(2).col(1), "Gift");
    EXPECT_EQ(changed->value(6, "16a", 2), "Dividend");
}
