#include "efiling/json/Json.h"

#include <gtest/gtest.h>

using JSON::ParseJson;
using JSON::ParserErrors;

TEST(JsonErrors, TextThatIsNotAnObjectOrArrayGivesNothing)
{
    for (const QString text : {"", "123", "\"str\"", "'str'", " \r\n\t x", "null", "// only\n"}) {
        EXPECT_FALSE(ParseJson(text).has_value()) << text.toStdString();
        EXPECT_EQ(ParserErrors(), "Invalid JSON\r\n") << text.toStdString();
    }
    ASSERT_TRUE(ParseJson("{}"));
    EXPECT_EQ(ParserErrors(), "");
}

TEST(JsonErrors, MissingEndsKeepWhatWasReadAndQuoteTheLastTwentyCharacters)
{
    std::optional<JsonValue> root = ParseJson(R"({"first": "value", "second": [1, 2])");
    EXPECT_EQ(root->Keys(), QStringList({"first", "second"}));
    EXPECT_EQ(ParserErrors(), "Missing '}': e\", \"second\": [1, 2]\r\n");

    root = ParseJson(R"(["alpha", "beta", "gamma")");
    EXPECT_EQ(root->Count(), 3);
    EXPECT_EQ(ParserErrors(), "Missing ']': ha\", \"beta\", \"gamma\"\r\n");
}

TEST(JsonErrors, ANumberCutOffByTheEndGivesNoValue)
{
    EXPECT_EQ(ParseJson("[1, 22")->Count(), 1);
    EXPECT_EQ(ParserErrors(), "Missing ']': [1, 22\r\n");
    EXPECT_EQ(ParseJson(R"({"a": 1, "b": 22)")->Keys(), QStringList({"a"}));
}

TEST(JsonErrors, UnterminatedStringKeepsItsTextWithoutAnErrorOfItsOwn)
{
    EXPECT_EQ(ParseJson(R"(["done", "cut off here)")->Item(2).text(), "cut off here");
    EXPECT_EQ(ParserErrors(), "Missing ']': done\", \"cut off here\r\n");
    // A backslash as the very last character is dropped.
    EXPECT_EQ(ParseJson("[\"ab\\")->Item(1).text(), "ab");
}

TEST(JsonErrors, InvalidKeyWhenTheColonDoesNotFollowTheQuotes)
{
    // The key read so far still takes the value that follows.
    const std::optional<JsonValue> root = ParseJson("{ab 'c d' 1, \"e\": 2}");
    EXPECT_EQ(root->Keys(), QStringList({"abcd", "e"}));
    EXPECT_EQ(root->Item("abcd").text(), "1");
    EXPECT_EQ(ParserErrors(), "Invalid Key at position 11 : abcd\r\n");
}

TEST(JsonErrors, DuplicateKeyEndsTheObjectAndKeepsEarlierMembers)
{
    const std::optional<JsonValue> root = ParseJson(R"({"a": 1, "b": 2, "a": 3, "c": 4})");
    EXPECT_EQ(root->Keys(), QStringList({"a", "b"}));
    EXPECT_EQ(root->Item("a").text(), "1");
    EXPECT_EQ(ParserErrors(), "This key is already associated with an element of this collection: a\r\n");
}

TEST(JsonErrors, AfterADuplicateKeyTheEnclosingObjectReadsOn)
{
    // The inner object ends after the value of its second "a"; the outer one goes on from
    // there and takes the members the inner one had left.
    const std::optional<JsonValue> root = ParseJson(R"({"o": {"a": 1, "a": 2, "b": 3}, "c": 4})");
    EXPECT_EQ(root->Keys(), QStringList({"o", "b"}));
    EXPECT_EQ(root->Item("o").Keys(), QStringList({"a"}));
    EXPECT_EQ(ParserErrors(), "This key is already associated with an element of this collection: a\r\n");
}

TEST(JsonErrors, InvalidLiteralsEndTheParseWithTheRestOfTheText)
{
    EXPECT_EQ(ParseJson(R"({"a": 1, "b": tru, "c": 3})")->Keys(), QStringList({"a"}));
    EXPECT_EQ(ParserErrors(), "Invalid Boolean at position 15 : tru, \"c\": 3}\r\n");
    ParseJson("[fals]");
    EXPECT_EQ(ParserErrors(), "Invalid Boolean at position 2 : fals]\r\n");
    EXPECT_EQ(ParseJson("[1, nul, 2]")->Count(), 1);
    EXPECT_EQ(ParserErrors(), "Invalid null value at position 5 : nul, 2]\r\n");
}

TEST(JsonErrors, InvalidNumberEndsTheParseKeepingTheTreeReadSoFar)
{
    // Reading on from a value that cannot be read would only fail again at the same place.
    const std::optional<JsonValue> root = ParseJson(R"({"a": {"b": [1, 2, True]}, "c": 1})");
    EXPECT_EQ(root->Keys(), QStringList({"a"}));
    EXPECT_EQ(root->Item("a").Item("b").Count(), 2);
    EXPECT_EQ(ParserErrors(), "Invalid Number at position 20 : True]}, \"c\": 1}\r\n");
    ParseJson(R"({"a": /x})");
    EXPECT_EQ(ParserErrors(), "Invalid Number at position 7 : /x}\r\n");
}

TEST(JsonErrors, ErrorsAccumulateOneLineEach)
{
    ParseJson(R"({"a" 1, "b": [2)");
    EXPECT_EQ(ParserErrors(), "Invalid Key at position 6 : a\r\n"
                              "Missing ']': {\"a\" 1, \"b\": [2\r\n"
                              "Missing '}': {\"a\" 1, \"b\": [2\r\n");
}
