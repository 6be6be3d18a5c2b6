#include "base/IdentityChecks.h"

#include <gtest/gtest.h>

using namespace IdentityChecks;

TEST(ValidPan, ChecksShapeAndHolderStatus)
{
    EXPECT_TRUE(ValidPan("AABCS1234K"));
    EXPECT_TRUE(ValidPan("ABCPI6789F"));
    EXPECT_TRUE(ValidPan("AAHFM4521L"));
    EXPECT_FALSE(ValidPan("aabcs1234k")); // callers put it in capitals first
    EXPECT_FALSE(ValidPan("AABXS1234K")); // X is no holder status
    EXPECT_FALSE(ValidPan("AABCS1234"));
    EXPECT_FALSE(ValidPan("AABCS12345"));
    EXPECT_FALSE(ValidPan("AABCS1234KK"));
    EXPECT_FALSE(ValidPan(" AABCS1234K"));
    EXPECT_FALSE(ValidPan(""));
}

TEST(ValidAadhaar, NeedsTheVerhoeffCheckDigit)
{
    EXPECT_TRUE(ValidAadhaar("234567890124"));
    EXPECT_TRUE(ValidAadhaar("987654321096"));
    EXPECT_FALSE(ValidAadhaar("234567890125")); // wrong check digit
    EXPECT_FALSE(ValidAadhaar("234567890142")); // two digits swapped
    EXPECT_FALSE(ValidAadhaar("123456789012")); // begins with 1
    EXPECT_FALSE(ValidAadhaar("23456789012"));
    EXPECT_FALSE(ValidAadhaar("2345 6789 0124"));
    EXPECT_EQ(verhoeffCheckDigit("23456789012"), 4);
    // The published Verhoeff example: 236 takes the check digit 3.
    EXPECT_EQ(verhoeffCheckDigit("236"), 3);
}

TEST(ValidTan, FourLettersFiveDigitsALetter)
{
    EXPECT_TRUE(ValidTan("MUMS12345A"));
    EXPECT_FALSE(ValidTan("MUM123456A"));
    EXPECT_FALSE(ValidTan("MUMS1234AA"));
    EXPECT_FALSE(ValidTan("mums12345a"));
}
