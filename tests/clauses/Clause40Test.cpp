#include "model/turnover/Clause40.h"

#include <gtest/gtest.h>

using namespace Clause40;

TEST(Clause40Ratio, IsNumeratorOverDenominatorInPercent)
{
    EXPECT_EQ(ratioOf("250", "1000"), "25.00");
    EXPECT_EQ(ratioOf("1", "3"), "33.33");
    EXPECT_EQ(ratioOf("-50", "1000"), "-5.00");
    // Material consumed of a quarter of the finished goods produced.
    Fields f{{"txt40eMC", "2500"}, {"txt40eFGP", "10000"}};
    recomputeRatios(f);
    EXPECT_EQ(f["txt40e"], "25.00");
}

TEST(Clause40Ratio, ZeroOrNonNumericTurnoverGivesZero)
{
    EXPECT_EQ(ratioOf("250", "0"), "0.00");
    EXPECT_EQ(ratioOf("250", ""), "0.00");
    EXPECT_EQ(ratioOf("250", "abc"), "0.00");
    EXPECT_EQ(ratioOf("", "1000"), "0.00");
}

TEST(Clause40Ratio, MarkersCarryThrough)
{
    EXPECT_EQ(ratioOf("", ""), "");
    EXPECT_EQ(ratioOf(" ", ""), "");
    EXPECT_EQ(ratioOf("Nil", "Nil"), "Nil");
    EXPECT_EQ(ratioOf("nil", "NIL"), "Nil");
    EXPECT_EQ(ratioOf("NA", "NA"), "NA");
    EXPECT_EQ(ratioOf("Nil", "NA"), "0.00");
    EXPECT_EQ(ratioOf("Nil", "1000"), "0.00");
}

TEST(Clause40Ratio, RecomputingFillsEveryRatio)
{
    Fields f{{"txt40bpGP", "50"}, {"txt40bpTO", "200"}, {"txt40dSIT", "Nil"}, {"txt40dTO", "nil"}};
    recomputeRatios(f);
    EXPECT_EQ(f["txt40bp"], "25.00");
    EXPECT_EQ(f["txt40d"], "Nil");
    EXPECT_EQ(f["txt40c"], "");
}

TEST(Clause40Records, KeepTheirColumnOrder)
{
    const auto &r = records();
    ASSERT_EQ(r.size(), 5);
    EXPECT_EQ(r.at(0).point, "40a");
    EXPECT_EQ(r.at(0).fields, (QStringList{"txt40a", "txt40ap"}));
    EXPECT_EQ(r.at(1).fields,
              (QStringList{"txt40bGP", "txt40bTO", "txt40b", "txt40bpGP", "txt40bpTO", "txt40bp"}));
    // Finished goods before material consumed in (e).
    EXPECT_EQ(r.at(4).fields,
              (QStringList{"txt40eFGP", "txt40eMC", "txt40e", "txt40epFGP", "txt40epMC", "txt40ep"}));
}

TEST(Clause40Decimals, AreRefusedWithTheAmountNamed)
{
    EXPECT_TRUE(isWholeRupees("1000"));
    EXPECT_TRUE(isWholeRupees("-1000"));
    EXPECT_TRUE(isWholeRupees("Nil"));
    EXPECT_FALSE(isWholeRupees("1000.50"));
    EXPECT_FALSE(isWholeRupees("1000.00"));

    Fields f{{"txt40a", "1000.50"}};
    auto problem = firstDecimalAmount(f);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->field, "txt40a");
    EXPECT_EQ(problem->message, "Decimal not allowed in turnover.");

    f = {{"txt40a", "1000"}, {"txt40dSIT", "12.5"}, {"txt40bpGP", "1.5"}};
    problem = firstDecimalAmount(f);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message, "Decimal not allowed in stack in trade.");

    f = {{"txt40bpGP", "1.5"}};
    EXPECT_EQ(firstDecimalAmount(f)->field, "txt40bpGP");
    EXPECT_EQ(firstDecimalAmount(f)->message, "Decimal not allowed in gross profit.");
    f = {{"txt40ap", "7.1"}};
    EXPECT_EQ(firstDecimalAmount(f)->message, "Decimal not allowed in turnover.");
    f = {{"txt40epMC", "7.1"}};
    EXPECT_EQ(firstDecimalAmount(f)->message, "Decimal not allowed in material consumed.");
    f = {{"txt40eFGP", "7.1"}};
    EXPECT_EQ(firstDecimalAmount(f)->message, "Decimal not allowed in finished goods.");
    f = {{"txt40cNP", "-7.1"}};
    EXPECT_EQ(firstDecimalAmount(f)->message, "Decimal not allowed in net profit.");
    f = {{"txt40b", "25.50"}}; // ratios have decimals
    EXPECT_FALSE(firstDecimalAmount(f).has_value());
}

TEST(Clause40Completeness, NamesTheAmountsAsThePageLabelsThem)
{
    const auto &fields = completenessFields();
    ASSERT_EQ(fields.size(), 10);
    EXPECT_EQ(fields.at(0).label, "Total Turnover");
    EXPECT_EQ(fields.at(8).field, "txt40dpSIT");
    EXPECT_EQ(fields.at(8).label, "Stock in Trade)");
}
