#include "model/depreciation/Clause18Row.h"
#include "model/depreciation/ChartBlockRow.h"
#include "model/depreciation/DepreciationCutOff.h"

#include <gtest/gtest.h>

using namespace Clause18;

namespace
{
QDate date(const char *text)
{
    return QDate::fromString(QString::fromLatin1(text), "dd/MM/yyyy");
}

QStringList openingRow(const QString &opening)
{
    QStringList row = emptyRow();
    row[Description] = "(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)";
    row[Rate] = "15%";
    row[OpeningWdv] = opening;
    return row;
}
} // namespace

TEST(DepreciationCutOff, Is178DaysBefore31March)
{
    EXPECT_EQ(DepreciationCutOff::cutOff("31/03/2025"), date("04/10/2024"));
    EXPECT_EQ(DepreciationCutOff::cutOff("31/03/2026"), date("04/10/2025"));
    // The span of 2023-24 holds 29 February 2024.
    EXPECT_EQ(DepreciationCutOff::cutOff("31/03/2024"), date("05/10/2023"));
    EXPECT_EQ(DepreciationCutOff::cutOff("31/03/2028"), date("05/10/2027"));
}

TEST(DepreciationCutOff, ImportsOfYearsBefore2005KeepTheFixedDate)
{
    EXPECT_EQ(DepreciationCutOff::importCutOff("01/04/2003", "31/03/2004"), date("04/10/2003"));
    EXPECT_EQ(DepreciationCutOff::cutOff("31/03/2004"), date("05/10/2003"));
    EXPECT_EQ(DepreciationCutOff::importCutOff("01/04/2023", "31/03/2024"), date("05/10/2023"));
}

TEST(DepreciationCutOff, TheCutOffDayItselfIsLessThan180Days)
{
    const QDate cut = DepreciationCutOff::cutOff("31/03/2026");
    EXPECT_TRUE(DepreciationCutOff::lessThan180Days(date("04/10/2025"), cut));
    EXPECT_FALSE(DepreciationCutOff::lessThan180Days(date("03/10/2025"), cut));
    EXPECT_FALSE(DepreciationCutOff::lessThan180Days(QDate(), cut));
}

TEST(Clause18Row, AdditionsSplitAtTheCutOffAndSerialise)
{
    QStringList row = openingRow("100000.00");
    const QList<AdditionEntry> additions{
        {"03/10/2025", "03/10/2025", "50000.00", "0.00", "0.00", "0.00", "50000.00"},
        {"04/10/2025", "04/10/2025", "20000.00", "1000.00", "500.00", "-1500.00", "20000.00"},
    };
    applyAdditions(row, additions, DepreciationCutOff::cutOff("31/03/2026"));
    EXPECT_EQ(row[PurchaseValue], "70000.00");
    EXPECT_EQ(row[Cenvat], "1000.00");
    EXPECT_EQ(row[ExchangeChange], "500.00");
    EXPECT_EQ(row[Subsidy], "-1500.00");
    EXPECT_EQ(row[TotalAdditions], "70000.00");
    EXPECT_EQ(row[AdditionsLess180], "20000.00");
    EXPECT_EQ(row[Additions180OrMore], "50000.00");
    EXPECT_EQ(row[AdditionsList],
              "03/10/2025#C#03/10/2025#C#50000.00#C#0.00#C#0.00#C#0.00#C#50000.00#R#"
              "04/10/2025#C#04/10/2025#C#20000.00#C#1000.00#C#500.00#C#-1500.00#C#20000.00");
    EXPECT_EQ(row[AdjustedWdv], "100000.00");
    EXPECT_EQ(row[ClosingWdv], "170000.00");
    EXPECT_EQ(Clause18Lists::parseAdditions(row[AdditionsList]).size(), 2);
    EXPECT_EQ(Clause18Lists::parseAdditions(row[AdditionsList]).at(1).subsidy, "-1500.00");
}

TEST(Clause18Row, DeductionsSplitByTheirMark)
{
    QStringList row = openingRow("100000.00");
    applyDeductions(row, {{"15/01/2026", "30000.00", false}, {"20/02/2026", "5000.00", true}});
    EXPECT_EQ(row[TotalDeductions], "35000.00");
    EXPECT_EQ(row[DeductionsNotOutOfLess180], "30000.00");
    EXPECT_EQ(row[DeductionsOutOfLess180], "5000.00");
    EXPECT_EQ(row[DeductionsList], "15/01/2026#C#30000.00#C#0#R#20/02/2026#C#5000.00#C#1");
    const auto back = Clause18Lists::parseDeductions(row[DeductionsList]);
    ASSERT_EQ(back.size(), 2);
    EXPECT_FALSE(back.at(0).outOfLess180);
    EXPECT_TRUE(back.at(1).outOfLess180);
    EXPECT_TRUE(Clause18Lists::parseDeductions("01/05/2025#C#10.00#C#True").at(0).outOfLess180);
    EXPECT_TRUE(Clause18Lists::parseDeductions("#R##R#").isEmpty());
}

TEST(Clause18Row, RecomputesAdjustedAndClosingValues)
{
    QStringList row = openingRow("100000.00");
    row[Adjustment115BAC] = "-5000";
    row[AdjustmentIntangible] = "2000.5";
    row[TotalAdditions] = "10000.00";
    row[TotalDeductions] = "3000.00";
    row[DepreciationAllowable] = "15000.00";
    row[OtherAdjustments] = "999.00"; // not part of the closing value
    recompute(row);
    EXPECT_EQ(row[AdjustedWdv], "97000.50");
    EXPECT_EQ(row[ClosingWdv], "89000.50");
}

TEST(Clause18Row, ANegativeClosingValueShowsZero)
{
    QStringList row = openingRow("10000.00");
    row[TotalDeductions] = "9000.00";
    row[DepreciationAllowable] = "1000.00";
    recompute(row);
    EXPECT_EQ(row[ClosingWdv], "0.00");
    row[DepreciationAllowable] = "1000.01";
    recompute(row);
    EXPECT_EQ(row[ClosingWdv], "0");
}

TEST(Clause18Row, BlockNilClosesAtZeroAndKeepsTheDepreciation)
{
    QStringList row = openingRow("50000.00");
    row[DepreciationAllowable] = "7500.00";
    row[BlockNil] = "True";
    recompute(row);
    EXPECT_EQ(row[ClosingWdv], "0");
    EXPECT_EQ(row[DepreciationAllowable], "7500.00");
    EXPECT_EQ(row[AdjustedWdv], ""); // nothing else is computed
}

TEST(Clause18Row, TypedAdjustmentsBecomePlainNumbers)
{
    EXPECT_TRUE(isTypedAmountColumn(Adjustment115BAC));
    EXPECT_TRUE(isTypedAmountColumn(DepreciationAllowable));
    EXPECT_FALSE(isTypedAmountColumn(OpeningWdv));
    EXPECT_EQ(plainNumber("1,25,000"), "125000.00");
    EXPECT_EQ(plainNumber("-2500.5"), "-2500.50");
    EXPECT_EQ(plainNumber("  "), "");
}

TEST(Clause18Row, FullRateOnOldAssetsHalfRateOnNewOnes)
{
    QStringList row = openingRow("100000.00");
    row[AdjustedWdv] = "100000.00";
    row[Additions180OrMore] = "40000.00";
    row[AdditionsLess180] = "20000.00";
    row[DeductionsNotOutOfLess180] = "10000.00";
    EXPECT_DOUBLE_EQ(depreciationAtRate(row, 15), 130000 * 0.15 + 20000 * 0.075);
    // Sales beyond the full-rate part eat into the half-rate part.
    row[DeductionsNotOutOfLess180] = "150000.00";
    EXPECT_DOUBLE_EQ(depreciationAtRate(row, 15), 10000 * 0.075);
    row[DeductionsNotOutOfLess180] = "170000.00";
    EXPECT_DOUBLE_EQ(depreciationAtRate(row, 15), 0);
}

TEST(ChartBlockRow, AdditionalDepreciationIsHalvedForLateAdditions)
{
    const QDate cut = DepreciationCutOff::cutOff("31/03/2026");
    AdditionEntry early{"01/05/2025", "03/10/2025", "", "", "", "", "100000.00"};
    AdditionEntry late{"01/05/2025", "04/10/2025", "", "", "", "", "100000.00"};
    EXPECT_DOUBLE_EQ(ChartBlockRow::additionalDepreciation(early, 20, cut), 20000);
    EXPECT_DOUBLE_EQ(ChartBlockRow::additionalDepreciation(late, 20, cut), 10000);
    EXPECT_DOUBLE_EQ(ChartBlockRow::additionalDepreciation(late, 0, cut), 0);
}

TEST(ChartBlockRow, DepreciationInWholeRupeesOrPaise)
{
    ChartBlock block{DepreciationBlocks::byId(11), 10, 12345.55, {}, {}, 0};
    const QDate cut = DepreciationCutOff::cutOff("31/03/2026");
    QStringList paise = ChartBlockRow::build(block, cut, true, false);
    EXPECT_EQ(paise[DepreciationAllowable], "1234.56");
    EXPECT_EQ(paise[ClosingWdv], "11110.99");
    QStringList rupees = ChartBlockRow::build(block, cut, true, true);
    EXPECT_EQ(rupees[DepreciationAllowable], "1235");
    EXPECT_EQ(rupees[Rate], "10%");
    EXPECT_EQ(rupees[BlockNil], "False");
    QStringList without = ChartBlockRow::build(block, cut, false, true);
    EXPECT_EQ(without[DepreciationAllowable], "");
    EXPECT_EQ(without[ClosingWdv], "12345.55");
}

TEST(Clause18Row, TheDepreciationFollowsTheRateUntilTheAccountantTypesHisOwn)
{
    QStringList row = openingRow("100000.00");
    followRate(row, emptyRow(), false);
    EXPECT_EQ(row[DepreciationAllowable], "15000.00");
    EXPECT_EQ(row[ClosingWdv], "85000.00");

    QStringList before = row;
    row[OpeningWdv] = "120000.00";
    followRate(row, before, false);
    EXPECT_EQ(row[DepreciationAllowable], "18000.00");

    before = row;
    row[DepreciationAllowable] = "9000.00"; // typed: kept through later changes
    followRate(row, before, false);
    before = row;
    row[OpeningWdv] = "150000.00";
    followRate(row, before, false);
    EXPECT_EQ(row[DepreciationAllowable], "9000.00");
    EXPECT_EQ(row[ClosingWdv], "141000.00");

    // The chart's whole rupees: the figure the rate gave is recognised in them too.
    row = openingRow("12345.55");
    row[Rate] = "10%";
    followRate(row, emptyRow(), true);
    EXPECT_EQ(row[DepreciationAllowable], "1235");
    before = row;
    row[OpeningWdv] = "22345.55";
    followRate(row, before, true);
    EXPECT_EQ(row[DepreciationAllowable], "2235");
}

TEST(Clause18Row, ABlockNilRowOrARowWithoutARateKeepsItsDepreciation)
{
    QStringList row = openingRow("100000.00");
    row[BlockNil] = "True";
    followRate(row, emptyRow(), false);
    EXPECT_EQ(row[DepreciationAllowable], "");
    EXPECT_EQ(row[ClosingWdv], "0");

    row = openingRow("100000.00");
    row[Rate] = "";
    followRate(row, emptyRow(), false);
    EXPECT_EQ(row[DepreciationAllowable], "");
    EXPECT_EQ(row[ClosingWdv], "100000.00");
}
