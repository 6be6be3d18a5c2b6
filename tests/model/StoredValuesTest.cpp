#include "ModelTestSupport.h"

#include "catalogue/ClauseCatalogue.h"
#include "model/ListSources.h"
#include "model/ReportModel.h"
#include "model/rules/CellChecks.h"

namespace
{

// Every grid of the report whose rows fail their columns' checks, named with the finding.
QStringList badCells(const ReportKey &key)
{
    ReportModel report(key);
    ListSources lists;
    QStringList bad;
    for (const Catalogue::Page &page : ClauseCatalogue::instance().pages()) {
        for (const Catalogue::Clause &clause : page.clauses) {
            for (const Catalogue::Control &control : clause.controls) {
                if (control.type != Catalogue::ControlType::Grid)
                    continue;
                const auto finding =
                    CellChecks::firstBadCell(report, page.number, control.point, control.columns, &lists);
                if (finding)
                    bad << control.point + QStringLiteral(" row ") + QString::number(finding->row + 1) +
                               QStringLiteral(": ") + finding->message;
            }
        }
    }
    return bad;
}

} // namespace

using StoredValues = ModelTest;
TALVEX_BOTH_ENGINES(StoredValues);

// The demo reports are what a user sees first: every value in them is one the pages take.
TEST_P(StoredValues, TheDemoReportsPassTheChecksOfThePages)
{
    for (const QString &year : {QStringLiteral("2025"), QStringLiteral("2026")})
        EXPECT_EQ(badCells(ReportKey::of("C001", year, FormKind::F3CA)), QStringList()) << year.toStdString();
}

// What the import stores from a file (an address abroad, an Indian one) is taken by the pages.
TEST_P(StoredValues, AReportImportedFromAFilePassesTheChecksOfThePages)
{
    ASSERT_TRUE(importDemoIntoAnotherClient());
    EXPECT_EQ(badCells(ReportKey::current()), QStringList());
}

TEST_P(StoredValues, AValueOutsideItsListIsRefusedWithItsColumnHeading)
{
    ListSources lists;
    const Catalogue::Control *books = ClauseCatalogue::instance().controlOf(4, "11b");
    ASSERT_NE(books, nullptr);
    const Catalogue::Column &country = books->columns.at(1);
    const Catalogue::Column &state = books->columns.at(8);
    EXPECT_EQ(CellChecks::listMessage(country, "INDIA", lists), "");
    // The list's own spelling: a drop-down offers no other.
    EXPECT_NE(CellChecks::listMessage(country, "india", lists), "");
    EXPECT_EQ(CellChecks::listMessage(country, "Bharat", lists),
              "Not a Valid Country [Bharat]: choose it from the list");
    EXPECT_EQ(CellChecks::listMessage(state, "State outside India", lists), "");
    EXPECT_NE(CellChecks::listMessage(state, "Maharashtr", lists), "");
    // A list that takes typed text takes any book's name.
    EXPECT_EQ(CellChecks::listMessage(books->columns.at(0), "Petty Cash Book", lists), "");

    // Clause 4's registrations are Indian: its state list leaves out the state abroad.
    const Catalogue::Control *taxes = ClauseCatalogue::instance().controlOf(2, "4");
    ASSERT_NE(taxes, nullptr);
    EXPECT_NE(CellChecks::listMessage(taxes->columns.at(1), "State outside India", lists), "");
    EXPECT_EQ(CellChecks::listMessage(taxes->columns.at(0), "Goods and Services Tax", lists), "");
    EXPECT_EQ(CellChecks::listMessage(taxes->columns.at(0), "GST", lists),
              "Not a Valid " + taxes->columns.at(0).heading + " [GST]: choose it from the list");

    // A sub-sector belongs to its sector.
    const Catalogue::Control *sectors = ClauseCatalogue::instance().controlOf(3, "10a");
    ASSERT_NE(sectors, nullptr);
    const QStringList all = lists.items("sectors");
    ASSERT_GE(all.size(), 2);
    const QStringList subs = lists.items("subSectors", all.first());
    ASSERT_FALSE(subs.isEmpty());
    EXPECT_EQ(CellChecks::listMessage(sectors->columns.at(1), subs.first(), lists, all.first()), "");
    const QStringList others = lists.items("subSectors", all.last());
    if (!others.contains(subs.first()))
        EXPECT_NE(CellChecks::listMessage(sectors->columns.at(1), subs.first(), lists, all.last()), "");
}
