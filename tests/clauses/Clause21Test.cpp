#include "TestHost.h"

#include "pages/inadmissible/Clause21Items.h"
#include "pages/inadmissible/Clause21cImport.h"
#include "pages/inadmissible/PayeeChecks.h"

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

TEST(Clause21Payees, PanAndAadhaarCells)
{
    EXPECT_EQ(panMessage("AABCS1234K"), "");
    EXPECT_EQ(panMessage(""), "");
    EXPECT_EQ(panMessage("AABCS1234"), "Not a Valid PAN [AABCS1234]");
    EXPECT_EQ(aadhaarMessage("234567890124"), "");
    EXPECT_EQ(aadhaarMessage("234567890125"), "Not a Valid Aadhaar [234567890125]");
    EXPECT_EQ(aadhaarMessage("NA"), "");
}

TEST(Clause21Items, FollowTheWritersColumns)
{
    const auto &items = Clause21::items();
    QStringList points;
    for (const auto &i : items)
        points << i.point;
    EXPECT_EQ(points.mid(0, 9),
              (QStringList{"21a1", "21a2", "21a3", "21a4", "21a5", "21a6", "21a7", "21a9", "21a8"}));
    EXPECT_EQ(points.size(), 29);
    EXPECT_EQ(points.last(), "21i");

    const auto *bib = Clause21::item("21bib");
    ASSERT_NE(bib, nullptr);
    EXPECT_EQ(bib->columns.size(), 15); // tax deducted in Col15
    EXPECT_EQ(bib->columns.at(4), "PAN of the payee");
    EXPECT_EQ(bib->optionalColumns, "4,5,8,10,11");
    EXPECT_EQ(Clause21::item("21biib")->columns.size(), 16);
    const auto *salary = Clause21::item("21bvi");
    EXPECT_EQ(salary->columns.size(), 13);
    EXPECT_EQ(salary->columns.at(11), "City or town or district"); // Col12
    EXPECT_EQ(salary->optionalColumns, "3,4,7,9,10");
    EXPECT_EQ(salary->panColumn, 3);
    EXPECT_TRUE(Clause21::item("21da")->yesNo);
    EXPECT_EQ(Clause21::item("21da")->dateColumn, -1); // only the payee grids of 21(b) are held to the year
    EXPECT_FALSE(Clause21::item("21e")->isGrid());
    EXPECT_EQ(Clause21::item("21c")->columns.size(), 6);
    EXPECT_EQ(Clause21::item("21x"), nullptr);
    for (const auto &i : items)
        EXPECT_LT(i.tab, Clause21::tabs().size()) << i.point.toStdString();
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
