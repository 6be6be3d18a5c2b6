#include "pages/turnover/Clauses41To44.h"

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

TEST(Clause43, AnswersAreStoredTrueFalseOrNA)
{
    EXPECT_EQ(storedAnswer(Answer43::Yes), "True");
    EXPECT_EQ(storedAnswer(Answer43::No), "False");
    EXPECT_EQ(storedAnswer(Answer43::NotDue), "NA");
    EXPECT_EQ(storedAnswer(Answer43::None), "");
    EXPECT_EQ(answerOf("True"), Answer43::Yes);
    EXPECT_EQ(answerOf("Yes"), Answer43::Yes);
    EXPECT_EQ(answerOf("False"), Answer43::No);
    EXPECT_EQ(answerOf("NA"), Answer43::NotDue);
    EXPECT_EQ(answerOf(""), Answer43::None);
}

TEST(Clauses42And43, FurnishingMayNotPrecedeTheYear)
{
    EXPECT_EQ(furnishingDateMessage("31/03/2025", "01/04/2025"),
              "Date of furnishing should be greater than or equals to '01/04/2025'");
    EXPECT_EQ(furnishingDateMessage("01/04/2025", "01/04/2025"), "");
    EXPECT_EQ(furnishingDateMessage("15/11/2026", "01/04/2025"), "");
    EXPECT_EQ(furnishingDateMessage("", "01/04/2025"), "");
}

TEST(Clause41, DropDownLists)
{
    EXPECT_EQ(amountTypes(), (QStringList{"Demand raised", "Refund received"}));
    EXPECT_EQ(indirectTaxLaws(), (QStringList{"SALES TAX/VAT", "STATE EXCISE DUTY", "GOODS & SERVICES TAX",
                                              "OTHER INDIRECT TAX/DUTY"}));
}
