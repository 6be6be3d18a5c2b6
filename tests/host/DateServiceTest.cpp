#include "base/DateService.h"

#include <gtest/gtest.h>

using DateService::ConvertDate;

TEST(ConvertDate, ReadsTheShapesAccountantsType)
{
    EXPECT_EQ(ConvertDate("1/4/24"), "01/04/2024");
    EXPECT_EQ(ConvertDate("01-04-2024"), "01/04/2024");
    EXPECT_EQ(ConvertDate("01.04.2024"), "01/04/2024");
    EXPECT_EQ(ConvertDate("01042024"), "01/04/2024");
    EXPECT_EQ(ConvertDate("010424"), "01/04/2024");
    EXPECT_EQ(ConvertDate(" 31/3/2025 "), "31/03/2025");
    EXPECT_EQ(ConvertDate("2024-04-01"), "01/04/2024");
    EXPECT_EQ(ConvertDate("15/8/47"), "15/08/2047");
    EXPECT_EQ(ConvertDate("15/8/99"), "15/08/1999");
}

TEST(ConvertDate, LeavesNonDatesForTheCallerToJudge)
{
    // Markers survive; impossible dates are not silently turned into other days.
    EXPECT_EQ(ConvertDate("Nil"), "Nil");
    EXPECT_EQ(ConvertDate("NA"), "NA");
    EXPECT_EQ(ConvertDate("31/02/2024"), "31/02/2024");
    EXPECT_EQ(ConvertDate("31/02/2024", true), "");
    EXPECT_EQ(ConvertDate("29/02/2023", true), "");
    EXPECT_EQ(ConvertDate("29/02/2024", true), "29/02/2024");
    EXPECT_EQ(ConvertDate("1/13/2024", true), "");
    EXPECT_EQ(ConvertDate("", true), "");
    EXPECT_EQ(ConvertDate("0104202", true), "");
}

TEST(XmlDateOut, WritesTheFilingForm)
{
    EXPECT_EQ(DateService::XmlDateOut("31/03/2025"), "2025-03-31");
    EXPECT_EQ(DateService::XmlDateOut("1/4/24"), "2024-04-01");
    EXPECT_EQ(DateService::XmlDateOut(""), "");
    EXPECT_EQ(DateService::MyDateSerial("05.06.2025"), QDate(2025, 6, 5));
    EXPECT_FALSE(DateService::MyDateSerial("yesterday").isValid());
}
