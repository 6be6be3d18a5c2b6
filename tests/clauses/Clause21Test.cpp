#include "TestHost.h"

#include "catalogue/ClauseCatalogue.h"

#include "model/inadmissible/Clause21Items.h"
#include "model/inadmissible/Clause21cImport.h"
#include "model/inadmissible/PayeeChecks.h"

using namespace PayeeChecks;

TEST(Clause21Payments, ThirtyFirstMarchIsInTheYearFirstAprilIsNot)
{
    const QString first = "01/04/2025", last = "31/03/2026";
    EXPECT_EQ(paymentDateMessage("31/03/2026", first, last), "");
    EXPECT_EQ(paymentDateMessage("01/04/2025", first, last), "");
    const QString refused =
        "Date of payment should be greater than or equals to '01/04/2025'. and less than or "
        "equals to '31/03/2026'";
    EXPECT_EQ(paymentDateMessage("01/04/2026", first, last), refused);
    EXPECT_EQ(paymentDateMessage("31/03/2025", first, last), refused);
    EXPECT_EQ(paymentDateMessage("32/03/2026", first, last), refused);
    EXPECT_EQ(paymentDateMessage("Nil", first, last), "");
}

TEST(Clause21Items, CoverTheCataloguesClausesInPageOrder)
{
    const Catalogue::Page *page = ClauseCatalogue::instance().page(9);
    ASSERT_NE(page, nullptr);
    QStringList catalogued;
    for (const auto &clause : page->clauses)
        catalogued << clause.controls.first().point;
    QStringList items;
    for (const auto &i : Clause21::items())
        items << i.point;
    EXPECT_EQ(items, catalogued);
    EXPECT_EQ(items.mid(7, 2), (QStringList{"21a9", "21a8"}));
    for (const auto &i : Clause21::items()) {
        EXPECT_LT(i.tab, Clause21::tabs().size()) << i.point.toStdString();
        if (i.paymentDates) {
            const auto *grid = ClauseCatalogue::instance().controlOf(9, i.point);
            EXPECT_EQ(grid->columns.first().kind, Catalogue::Kind::Date) << i.point.toStdString();
        }
    }
}

TEST(Clause21Items, PayeeGridsLetIdentityAndAddressDetailsStayEmpty)
{
    const auto *bib = Clause21::item("21bib");
    ASSERT_NE(bib, nullptr);
    EXPECT_EQ(bib->optionalColumns, "4,5,8,10,11");
    EXPECT_TRUE(bib->paymentDates);
    const auto *grid = ClauseCatalogue::instance().controlOf(9, "21bib");
    for (int c : {4, 5, 8, 10, 11})
        EXPECT_TRUE(grid->columns.at(c).check == "pan" || grid->columns.at(c).check == "aadhaar" ||
                    grid->columns.at(c).heading.contains("line 2") ||
                    grid->columns.at(c).heading == "Post office" ||
                    grid->columns.at(c).heading == "Area / locality")
            << c;
    EXPECT_EQ(Clause21::item("21bvi")->optionalColumns, "3,4,7,9,10");
    EXPECT_FALSE(Clause21::item("21da")->paymentDates); // only the payee grids of 21(b) are held to the year
    EXPECT_EQ(Clause21::item("21x"), nullptr);
}

class Clause21cFromIncomeTax : public EngineTest
{
};

TEST_P(Clause21cFromIncomeTax, RemunerationAndInterestOfThePartners)
{
    const auto rows = Clause21cImport::rows("C002", "2026");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0), (QStringList{"Remuneration", "40(b)", "1050000", "900000", "150000", ""}));
    EXPECT_EQ(rows.at(1), (QStringList{"Interest", "40(b)", "300000", "240000", "60000", ""}));
    EXPECT_TRUE(Clause21cImport::rows("C002", "2025").isEmpty());
    EXPECT_TRUE(Clause21cImport::rows("C001", "2026").isEmpty());
}

TALVEX_BOTH_ENGINES(Clause21cFromIncomeTax);
