#include "base/CsvReader.h"

#include <gtest/gtest.h>

TEST(CsvReader, ReadsQuotedFieldsAsWritten)
{
    const auto rows =
        CsvReader::parse("a,b,c\r\n\"x, y\",\"say \"\"hi\"\"\",\"two\nlines\"\n,,\nlast,\"\",end");
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], (QStringList{"a", "b", "c"}));
    EXPECT_EQ(rows[1], (QStringList{"x, y", "say \"hi\"", "two\nlines"}));
    EXPECT_EQ(rows[2], (QStringList{"", "", ""}));
    EXPECT_EQ(rows[3], (QStringList{"last", "", "end"}));
    EXPECT_TRUE(CsvReader::parse("").isEmpty());
    EXPECT_EQ(CsvReader::parse("\n\nonly\n").size(), 1);
}

TEST(CsvReader, AnUnclosedQuoteNamesItsLine)
{
    try {
        CsvReader::parse("a,b\n1,\"open\n2,3\n");
        FAIL() << "no error";
    } catch (const std::runtime_error &e) {
        EXPECT_STREQ(e.what(), "A quoted field that begins on line 2 is never closed.");
    }
}
