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

TEST(JsonLenience, ReadsPlainJsonKeepingKeyOrderAndCase)
{
    const JsonValue root =
        clean(R"({"PAN": "AAAPA1234A", "b": true, "B": null, "Rows": [1, "two", {}, []]})");
    EXPECT_EQ(root.Keys(), QStringList({"PAN", "b", "B", "Rows"}));
    EXPECT_EQ(root.Item("PAN").text(), "AAAPA1234A");
    EXPECT_TRUE(root.Item("b").toBool());
    EXPECT_TRUE(root.Item("B").isNull());
    EXPECT_FALSE(root.Exists("pan"));
    const JsonValue &rows = root.Item("Rows");
    ASSERT_EQ(rows.Count(), 4);
    EXPECT_EQ(rows.Item(2).text(), "two");
    EXPECT_TRUE(rows.Item(3).isObject());
    EXPECT_TRUE(rows.Item(0).isNull());
    EXPECT_TRUE(rows.Item(5).isNull());
}

TEST(JsonLenience, SkipsCommentsAndParenthesesBetweenTokensOnly)
{
    const JsonValue root = clean("// a line comment\r\n"
                                 "/* a block\n comment */ ({ // after the brace\n"
                                 "  \"a\" /* before the colon */ : (1),\n"
                                 "  \"b\": [(2) /* inside */, \"http://x/*y*/(z)\"] // trailing\n"
                                 "})");
    EXPECT_EQ(root.Item("a").text(), "1");
    EXPECT_EQ(root.Item("b").Item(2).text(), "http://x/*y*/(z)");
}

TEST(JsonLenience, UnclosedBlockCommentRunsToTheEnd)
{
    const std::optional<JsonValue> root = ParseJson(R"({"a": 1 /* never closed "b": 2})");
    EXPECT_EQ(root->Keys(), QStringList({"a"}));
    EXPECT_EQ(ParserErrors(), "Missing '}': never closed \"b\": 2}\r\n");
}

TEST(JsonLenience, SingleQuotesAndMissingCommas)
{
    const JsonValue root = clean("{'a': 'one' 'b': 'it\"s'\n'c': [1 2 'three']}");
    EXPECT_EQ(root.Keys(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(root.Item("b").text(), "it\"s");
    EXPECT_EQ(root.Item("c").Item(3).text(), "three");
}

TEST(JsonLenience, BareKeysQuotedColonsAndWhiteSpaceDropped)
{
    const JsonValue root =
        clean("{PAN: 1, my key : 2, \" Assessment Year \": 3, 'a\tb\r\nc': 4, \"a:b\": 5, \"it's\": 6}");
    EXPECT_EQ(root.Keys(), QStringList({"PAN", "mykey", "AssessmentYear", "abc", "a:b", "it's"}));
}

TEST(JsonLenience, ExtraCommasAndTrailingTextAreIgnored)
{
    const JsonValue root = clean(R"({,"a": [,1,,2,], "b": 3,} trailing words {)");
    EXPECT_EQ(root.Keys(), QStringList({"a", "b"}));
    EXPECT_EQ(root.Item("a").Count(), 2);
}
