#include "model/rules/AmountText.h"

#include <gtest/gtest.h>

TEST(AmountText, DigitGroupingIsDroppedAndOtherTextRefused)
{
    const std::pair<const char *, const char *> kept[] = {{"1,00,000", "100000"},
                                                          {"10,00,000.50", "1000000.50"},
                                                          {"-2,500", "-2500"},
                                                          {"100,000", "100000"},
                                                          {" 1250.00 ", "1250.00"},
                                                          {"", ""},
                                                          {"1,23,45,678", "12345678"},
                                                          {".5", "0.5"},
                                                          {"+75", "75"},
                                                          {"-1200.50", "-1200.50"},
                                                          {"007", "007"},
                                                          {"5.", "5."}};
    for (const auto &[typed, stored] : kept)
        EXPECT_EQ(AmountText::stored(typed), QString::fromLatin1(stored)) << typed;
    for (const char *typed :
         {"1,00,0", "12 lakhs", "abc", "1,000,00", "-", ".", "1.2.3", "1,,000", "-.", "--5", "5-"})
        EXPECT_FALSE(AmountText::stored(typed).has_value()) << typed;
}
