#include "model/depreciation/Clause18Checks.h"
#include "model/depreciation/Clause18Row.h"
#include "model/depreciation/DepreciationCutOff.h"

#include <gtest/gtest.h>

using namespace Clause18;

namespace
{
const QString first = "01/04/2025";
const QString last = "31/03/2026";

QStringList block(const QString &description, const QList<AdditionEntry> &additions,
                  const QList<DeductionEntry> &deductions = {})
{
    QStringList row = emptyRow();
    row[Description] = description;
    row[Rate] = "15%";
    row[OpeningWdv] = "100000.00";
    row[DepreciationAllowable] = "15000.00";
    applyAdditions(row, additions, DepreciationCutOff::cutOff(last));
    applyDeductions(row, deductions);
    return row;
}

std::optional<Clause18Checks::Finding> check(const QList<QStringList> &rows)
{
    return Clause18Checks::check(rows, first, last);
}
} // namespace

TEST(Clause18Checks, ConsistentRowsPass)
{
    const auto rows = QList<QStringList>{
        block("(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)",
              {{"01/04/2025", "01/04/2025", "1000.00", "0.00", "0.00", "0.00", "1000.00"}},
              {{"31/03/2026", "200.00", false}}),
        QStringList{"Nil", "Nil"}, // a marker row is no block
    };
    EXPECT_FALSE(check(rows).has_value());
}

TEST(Clause18Checks, TotalsMustMatchTheLists)
{
    QStringList row = block("(18k) Building @ 5%- Sec 32(1)(ii)",
                            {{"01/05/2025", "01/05/2025", "1000.00", "0.00", "0.00", "0.00", "1000.00"}});
    row[TotalAdditions] = "1200.00";
    auto finding = check({row});
    ASSERT_TRUE(finding.has_value());
    EXPECT_EQ(finding->message, "Additions Totals of [(18k) Building @ 5%- Sec 32(1)(ii)] are not matched.");
    EXPECT_EQ(finding->column, int(TotalAdditions));

    row = block("(18k) Building @ 5%- Sec 32(1)(ii)", {}, {{"01/05/2025", "300.00", true}});
    row[DeductionsOutOfLess180] = "0.00";
    finding = check({row});
    ASSERT_TRUE(finding.has_value());
    EXPECT_EQ(finding->message, "Deductions Totals of [(18k) Building @ 5%- Sec 32(1)(ii)] are not matched.");
}

TEST(Clause18Checks, DatesMustLieWithinTheYear)
{
    auto finding = check({block("(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)",
                                {{"15/03/2025", "31/03/2025", "10.00", "0.00", "0.00", "0.00", "10.00"}})});
    ASSERT_TRUE(finding.has_value());
    EXPECT_EQ(finding->message,
              "Date of put to use should be greater than or equals to '01/04/2025'. and less "
              "than or equals to '31/03/2026'");

    finding =
        check({block("(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)", {}, {{"01/04/2026", "10.00", false}})});
    ASSERT_TRUE(finding.has_value());
    EXPECT_EQ(finding->message,
              "Date of sale etc. should be greater than or equals to '01/04/2025'. and less "
              "than or equals to '31/03/2026'");
}

TEST(Clause18Checks, OtherAdjustmentsMayNotExceedTheDepreciation)
{
    QStringList row = block("(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)", {});
    row[OtherAdjustments] = "15000.00";
    EXPECT_FALSE(check({row}).has_value());
    row[OtherAdjustments] = "15000.01";
    auto finding = check({row});
    ASSERT_TRUE(finding.has_value());
    EXPECT_EQ(finding->message, "Other adjustment should be less than or equals to Depreciation allowable.");
}

TEST(Clause18Checks, TotalsOfEveryRowComeBeforeAnyDate)
{
    QStringList badDate =
        block("(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)", {}, {{"01/04/2026", "10.00", false}});
    QStringList badTotal = block("(18k) Building @ 5%- Sec 32(1)(ii)", {});
    badTotal[PurchaseValue] = "1.00";
    auto finding = check({badDate, badTotal});
    ASSERT_TRUE(finding.has_value());
    EXPECT_EQ(finding->row, 1);
    EXPECT_TRUE(finding->message.startsWith("Additions Totals"));
}
