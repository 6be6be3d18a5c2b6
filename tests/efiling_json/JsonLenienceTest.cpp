#include "efiling/json/Json.h"

#include <gtest/gtest.h>

using JSON::ParseJson;
using JSON::ParserErrors;

namespace
{
// Parses text that must be read without complaint and returns its root.
JsonValue clean(const QString &text)
{
    const std::optional<JsonValue> root = ParseJson(text);
    EXPECT_TRUE(root.has_value()) << text.toStdString();
    EXPECT_EQ(ParserErrors(), "") << text.toStdString();
    return root.value_or(JsonValue());
}
} // namespace

TEST(JsonLenience, ReadsPlainJson)
{
    const JsonValue root = clean(R"({"PAN": "AAAPA1234A", "Year": 2024, "Audited": true, "Notes": null,
                                     "Rows": [1, "two", {"x": false}]})");
    ASSERT_TRUE(root.isObject());
    EXPECT_EQ(root.Keys(), QStringList({"PAN", "Year", "Audited", "Notes", "Rows"}));
    EXPECT_EQ(root.Item("PAN").text(), "AAAPA1234A");
    EXPECT_EQ(root.Item("Year").text(), "2024");
    EXPECT_TRUE(root.Item("Audited").toBool());
    EXPECT_TRUE(root.Item("Notes").isNull());
    const JsonValue &rows = root.Item("Rows");
    ASSERT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.Item(1).text(), "1");
    EXPECT_EQ(rows.Item(2).text(), "two");
    EXPECT_FALSE(rows.Item(3).Item("x").toBool());
    EXPECT_TRUE(rows.Item(3).Item("x").isBoolean());
}

TEST(JsonLenience, KeysKeepTheirOrderAndCase)
{
    const JsonValue root = clean(R"({"b": 1, "a": 2, "B": 3})");
    EXPECT_EQ(root.Keys(), QStringList({"b", "a", "B"}));
    EXPECT_EQ(root.Item("B").text(), "3");
    EXPECT_FALSE(root.Exists("A"));
    EXPECT_TRUE(root.Item("A").isNull());
}

TEST(JsonLenience, SkipsCommentsAndParentheses)
{
    const JsonValue root = clean("// a line comment\r\n"
                                 "/* a block\n comment */ ({ // after the brace\n"
                                 "  \"a\" /* before the colon */ : (1),\n"
                                 "  \"b\": [(2) /* inside */, 3] // trailing\n"
                                 "})");
    EXPECT_EQ(root.Item("a").text(), "1");
    ASSERT_EQ(root.Item("b").Count(), 2);
    EXPECT_EQ(root.Item("b").Item(2).text(), "3");
}

TEST(JsonLenience, UnclosedBlockCommentRunsToTheEnd)
{
    const std::optional<JsonValue> root = ParseJson(R"({"a": 1 /* never closed "b": 2})");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Keys(), QStringList({"a"}));
    EXPECT_EQ(ParserErrors(), "Missing '}': never closed \"b\": 2}\r\n");
}

TEST(JsonLenience, CommentMarkersInsideStringsAreText)
{
    const JsonValue root = clean(R"j({"url": "http://x/*y*/", "p": "(z)"})j");
    EXPECT_EQ(root.Item("url").text(), "http://x/*y*/");
    EXPECT_EQ(root.Item("p").text(), "(z)");
}

TEST(JsonLenience, SingleQuotesAndMissingCommas)
{
    const JsonValue root = clean("{'a': 'one' 'b': 'two'\n'c': [1 2 'three']}");
    EXPECT_EQ(root.Keys(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(root.Item("b").text(), "two");
    ASSERT_EQ(root.Item("c").Count(), 3);
    EXPECT_EQ(root.Item("c").Item(3).text(), "three");
}

TEST(JsonLenience, QuotesOfTheOtherKindAreText)
{
    const JsonValue root = clean(R"({"it's": 'say "hi"', 'a"b': "it's"})");
    EXPECT_EQ(root.Item("it's").text(), "say \"hi\"");
    EXPECT_EQ(root.Item("a\"b").text(), "it's");
}

TEST(JsonLenience, BareKeys)
{
    const JsonValue root = clean("{PAN: \"X\", Point1 : 2, my key: 3}");
    EXPECT_EQ(root.Keys(), QStringList({"PAN", "Point1", "mykey"}));
}

TEST(JsonLenience, WhiteSpaceIsDroppedFromKeysEvenInsideQuotes)
{
    const JsonValue root = clean("{\" Assessment Year \": 1, 'a\tb\r\nc': 2}");
    EXPECT_EQ(root.Keys(), QStringList({"AssessmentYear", "abc"}));
}

TEST(JsonLenience, AColonInsideQuotesBelongsToTheKey)
{
    const JsonValue root = clean(R"({"a:b": 1, 'c:d': 2})");
    EXPECT_EQ(root.Keys(), QStringList({"a:b", "c:d"}));
}

TEST(JsonLenience, ExtraCommasAreIgnored)
{
    const JsonValue root = clean(R"({,"a": [,1,,2,], "b": 3,})");
    EXPECT_EQ(root.Keys(), QStringList({"a", "b"}));
    EXPECT_EQ(root.Item("a").Count(), 2);
}

TEST(JsonLenience, EmptyContainers)
{
    EXPECT_EQ(clean("{}").Count(), 0);
    EXPECT_TRUE(clean("[]").isArray());
    const JsonValue root = clean(R"({"o": {}, "a": [[], {}]})");
    EXPECT_TRUE(root.Item("o").isObject());
    EXPECT_EQ(root.Item("a").Count(), 2);
}

TEST(JsonLenience, TextAfterTheRootIsIgnored)
{
    EXPECT_EQ(clean("[1] trailing words {").Count(), 1);
}

TEST(JsonLenience, ArrayPositionsCountFromOne)
{
    const JsonValue root = clean("[10, 20]");
    EXPECT_EQ(root.Item(1).text(), "10");
    EXPECT_EQ(root.Item(2).text(), "20");
    EXPECT_TRUE(root.Item(0).isNull());
    EXPECT_TRUE(root.Item(3).isNull());
}
