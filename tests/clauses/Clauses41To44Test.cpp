#include "model/turnover/Clauses41To44.h"

#include <gtest/gtest.h>

using namespace Clauses41To44;

TEST(Clause42, IdentificationNumberIsATanOrPanWithASuffix)
{
    EXPECT_TRUE(isIdentificationNumber("MUMS12345A.AB123"));
    EXPECT_TRUE(isIdentificationNumber("AABCS1234K.XY001"));
    EXPECT_TRUE(isIdentificationNumber("mums12345a.ab123"));
    EXPECT_FALSE(isIdentificationNumber("AABCS1234K"));
    EXPECT_FALSE(isIdentificationNumber("AABCS1234K.AB12"));
    EXPECT_FALSE(isIdentificationNumber("AABCS1234K-AB123"));
    EXPECT_FALSE(isIdentificationNumber("AABC12345K.AB1234"));
    EXPECT_FALSE(isIdentificationNumber("AAB123456K.AB123"));
    EXPECT_FALSE(isIdentificationNumber(" AABCS1234K.AB123"));
}

TEST(Clauses42And43, FurnishingMayNotPrecedeTheYear)
{
    EXPECT_EQ(furnishingDateMessage("31/03/2025", "01/04/2025"),
              "Date of furnishing should be greater than or equals to '01/04/2025'");
    EXPECT_EQ(furnishingDateMessage("01/04/2025", "01/04/2025"), "");
    EXPECT_EQ(furnishingDateMessage("15/11/2026", "01/04/2025"), "");
    EXPECT_EQ(furnishingDateMessage("", "01/04/2025"), "");
}
