#include "model/amounts/Amounts.h"

#include <gtest/gtest.h>

using namespace Amounts;

TEST(Amounts, ReadTheNumberATextStartsWith)
{
    EXPECT_DOUBLE_EQ(value("1,23,456.50"), 123456.5);
    EXPECT_DOUBLE_EQ(value(" -500 "), -500);
    EXPECT_DOUBLE_EQ(value("12abc"), 12);
    EXPECT_DOUBLE_EQ(value("Nil"), 0);
    EXPECT_DOUBLE_EQ(value(""), 0);
    EXPECT_TRUE(isNumber("1,000"));
    EXPECT_FALSE(isNumber("12abc"));
    EXPECT_FALSE(isNumber(""));
}

TEST(Amounts, RoundHalvesAwayFromZero)
{
    EXPECT_EQ(format2(2.675), "2.68");
    EXPECT_EQ(format2(-2.675), "-2.68");
    EXPECT_EQ(format2(-0.001), "0.00");
    EXPECT_EQ(format0(1000.5), "1001");
    EXPECT_EQ(format0(0), "0");
    EXPECT_EQ(wholeRupees("19800000.40"), "19800000");
    EXPECT_EQ(wholeRupees("Nil"), "Nil");
}
