#include "TestHost.h"

#include "model/depreciation/Clause18Row.h"
#include "model/depreciation/DepreciationImports.h"

using namespace Clause18;

class ChartImports : public EngineTest
{
};

TEST_P(ChartImports, BlockChartFillsOneRowPerBlock)
{
    env->openForm(FormKind::F3CA, "C002");
    EXPECT_TRUE(env->host().CheckOptedOldDeprChart());
    const auto result = DepreciationImports::fromBlockChart(true);
    ASSERT_EQ(result.rows.size(), 5); // land is left out
    QStringList descriptions;
    for (const QStringList &r : result.rows)
        descriptions << r[Description];
    EXPECT_EQ(descriptions, (QStringList{"(18l) Building @ 10%- Sec 32(1)(ii)",
                                         "(18r) Furnitures & Fittings @ 10%- Sec 32(1)(ii)",
                                         "(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)",
                                         "(18b) Plant & Machinery @ 30%- Sec 32(1)(ii)",
                                         "(18c) Plant & Machinery @ 40%- Sec 32(1)(ii)"}));

    // SEPDEP "1": depreciation in whole rupees.
    const QStringList &building = result.rows.at(0);
    EXPECT_EQ(building[Rate], "10%");
    EXPECT_EQ(building[OpeningWdv], "1850000.00");
    EXPECT_EQ(building[DepreciationAllowable], "185000");
    EXPECT_EQ(building[ClosingWdv], "1665000.00");

    const QStringList &furniture = result.rows.at(1);
    EXPECT_EQ(furniture[AdditionsLess180], "40000.00");   // put to use 01/12/2025
    EXPECT_EQ(furniture[Additions180OrMore], "85000.00"); // put to use 15/06/2025
    EXPECT_EQ(furniture[DepreciationAllowable], "35000"); // 330000 at 10% + 40000 at 5%

    const QStringList &machinery = result.rows.at(2);
    EXPECT_EQ(machinery[PurchaseValue], "750000.00");
    EXPECT_EQ(machinery[ExchangeChange], "12000.00");
    EXPECT_EQ(machinery[Subsidy], "-25000.00");
    EXPECT_EQ(machinery[TotalAdditions], "737000.00");
    EXPECT_EQ(machinery[AdditionsLess180], "312000.00");
    EXPECT_EQ(machinery[TotalDeductions], "60000.00");
    EXPECT_EQ(machinery[DeductionsNotOutOfLess180], "60000.00");
    // 1325000 at 15% + 312000 at 7.5% + additional 425000 at 20% + 312000 at 10%.
    EXPECT_EQ(machinery[DepreciationAllowable], "338350");
    EXPECT_EQ(machinery[ClosingWdv], "1298650.00");
    EXPECT_EQ(machinery[AdditionsList],
              "05/05/2025#C#10/05/2025#C#450000.00#C#0.00#C#0.00#C#-25000.00#C#425000.00#R#"
              "10/01/2026#C#18/01/2026#C#300000.00#C#0.00#C#12000.00#C#0.00#C#312000.00");
    EXPECT_EQ(machinery[DeductionsList], "15/01/2026#C#60000.00#C#0");

    const QStringList &car = result.rows.at(3); // sold for more than its value
    EXPECT_EQ(car[DepreciationAllowable], "0");
    EXPECT_EQ(car[ClosingWdv], "0");

    const QStringList &computers = result.rows.at(4); // two assets of one group
    EXPECT_EQ(computers[OpeningWdv], "84000.00");
    EXPECT_EQ(computers[DepreciationAllowable], "27600");

    EXPECT_EQ(result.messages,
              (QStringList{
                  "You have selected Block Nil in Depreciation chart in some assets. If any block ceases to "
                  "exist then please select appropriate checkmark of Block Nil In 3CD.",
                  "You have done assets wise entry in Block wise chart so in case of Sale/Deduction you may "
                  "get incorrect calculation of depreciation so you are suggested to do Block wise entry"}));
}

TEST_P(ChartImports, BlockChartWithoutDepreciationLeavesItToTheUser)
{
    env->openForm(FormKind::F3CA, "C002");
    const auto result = DepreciationImports::fromBlockChart(false);
    ASSERT_EQ(result.rows.size(), 5);
    EXPECT_EQ(result.rows.at(0)[DepreciationAllowable], "");
    EXPECT_EQ(result.rows.at(0)[ClosingWdv], "1850000.00");
}

TEST_P(ChartImports, AnEmptyBlockChartSuggestsTheAssetWiseChart)
{
    env->openForm(FormKind::F3CA, "C003");
    const auto result = DepreciationImports::fromBlockChart(true);
    EXPECT_TRUE(result.rows.isEmpty());
    EXPECT_EQ(result.messages, QStringList{"You may prepare New Assets wise Depreciation Chart."});
}

TEST_P(ChartImports, AssetChartFillsOneRowPerClassAndRate)
{
    env->openForm(FormKind::F3CA, "C001");
    EXPECT_FALSE(env->host().CheckOptedOldDeprChart());
    const auto result = DepreciationImports::fromAssetChart(true);
    EXPECT_TRUE(result.messages.isEmpty());
    ASSERT_EQ(result.rows.size(), 6); // land has no block
    QStringList descriptions;
    for (const QStringList &r : result.rows)
        descriptions << r[Description];
    EXPECT_EQ(descriptions, (QStringList{"(18l) Building @ 10%- Sec 32(1)(ii)",
                                         "(18r) Furnitures & Fittings @ 10%- Sec 32(1)(ii)",
                                         "(18s) Intangible Assets @ 25%- Sec 32(1)(ii)",
                                         "(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)",
                                         "(18b) Plant & Machinery @ 30%- Sec 32(1)(ii)",
                                         "(18c) Plant & Machinery @ 40%- Sec 32(1)(ii)"}));

    // Put to use on 03/10/2025, the day before the cut-off: 180 days or more.
    const QStringList &building = result.rows.at(0);
    EXPECT_EQ(building[Additions180OrMore], "800000.00");
    EXPECT_EQ(building[DepreciationAllowable], "505000.00");
    EXPECT_EQ(building[ClosingWdv], "4545000.00");

    EXPECT_EQ(result.rows.at(2)[DepreciationAllowable], "41250.00");

    const QStringList &machinery = result.rows.at(3);
    EXPECT_EQ(machinery[TotalAdditions], "3126000.00");
    EXPECT_EQ(machinery[AdditionsLess180], "1276000.00");
    EXPECT_EQ(machinery[DeductionsList], "18/09/2025#C#175000.00#C#0");
    EXPECT_EQ(machinery[DepreciationAllowable], "1273550.00");
    EXPECT_EQ(machinery[ClosingWdv], "4537450.00");

    // A van bought and sold in the year: the sale is out of purchases put to use for less than 180 days.
    const QStringList &van = result.rows.at(4);
    EXPECT_EQ(van[DeductionsOutOfLess180], "520000.00");
    EXPECT_EQ(van[DepreciationAllowable], "12000.00");
    EXPECT_EQ(van[ClosingWdv], "68000.00");
}

TEST_P(ChartImports, AnEmptyAssetChartSaysSo)
{
    env->openForm(FormKind::F3CA, "C004");
    const auto result = DepreciationImports::fromAssetChart(true);
    EXPECT_TRUE(result.rows.isEmpty());
    EXPECT_EQ(result.messages, QStringList{"No Asset in Depreciation Chart as per Income-Tax !"});
}

TALVEX_BOTH_ENGINES(ChartImports);
