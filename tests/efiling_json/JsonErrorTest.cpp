#include "efiling/json/Json.h"

#include <gtest/gtest.h>

using JSON::ParseJson;
using JSON::ParserErrors;

TEST(JsonErrors, TextThatIsNotAnObjectOrArrayGivesNothing)
{
    for (const QString text :
         {"", "   ", "123", "\"str\"", "'str'", " \r\n\t x", "true", "null", "// only\n"}) {
        EXPECT_FALSE(ParseJson(text).has_value()) << text.toStdString();
        EXPECT_EQ(ParserErrors(), "Invalid JSON\r\n") << text.toStdString();
    }
}

TEST(JsonErrors, EachParseClearsTheErrorsOfTheLastOne)
{
    ParseJson("x");
    ASSERT_FALSE(ParserErrors().isEmpty());
    ASSERT_TRUE(ParseJson("{}"));
    EXPECT_EQ(ParserErrors(), "");
}

TEST(JsonErrors, MissingClosingBraceKeepsTheMembers)
{
    const std::optional<JsonValue> root = ParseJson(R"({"first": "value", "second": [1, 2])");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Keys(), QStringList({"first", "second"}));
    EXPECT_EQ(ParserErrors(), "Missing '}': e\", \"second\": [1, 2]\r\n");
}

TEST(JsonErrors, MissingClosingBracketKeepsTheValues)
{
    const std::optional<JsonValue> root = ParseJson(R"(["alpha", "beta", "gamma")");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Count(), 3);
    EXPECT_EQ(ParserErrors(), "Missing ']': ha\", \"beta\", \"gamma\"\r\n");
}

TEST(JsonErrors, EveryOpenContainerReportsItsMissingEnd)
{
    const std::optional<JsonValue> root = ParseJson(R"({"a": [{"b": "x")");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Item("a").Item(1).Item("b").text(), "x");
    EXPECT_EQ(ParserErrors(), "Missing '}': {\"a\": [{\"b\": \"x\"\r\n"
                              "Missing ']': {\"a\": [{\"b\": \"x\"\r\n"
                              "Missing '}': {\"a\": [{\"b\": \"x\"\r\n");
}

TEST(JsonErrors, ANumberCutOffByTheEndGivesNoValue)
{
    const std::optional<JsonValue> array = ParseJson("[1, 22");
    ASSERT_TRUE(array);
    EXPECT_EQ(array->Count(), 1);
    EXPECT_EQ(ParserErrors(), "Missing ']': [1, 22\r\n");

    const std::optional<JsonValue> object = ParseJson(R"({"a": 1, "b": 22)");
    ASSERT_TRUE(object);
    EXPECT_EQ(object->Keys(), QStringList({"a"}));
}

TEST(JsonErrors, UnterminatedStringKeepsItsTextWithoutAnErrorOfItsOwn)
{
    const std::optional<JsonValue> root = ParseJson(R"(["done", "cut off here)");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Item(2).text(), "cut off here");
    // The only complaint is the array's own missing end.
    EXPECT_EQ(ParserErrors(), "Missing ']': done\", \"cut off here\r\n");

    // A backslash as the very last character is dropped.
    const std::optional<JsonValue> slash = ParseJson("[\"ab\\");
    ASSERT_TRUE(slash);
    EXPECT_EQ(slash->Item(1).text(), "ab");
}

TEST(JsonErrors, InvalidKeyWhenTheColonDoesNotFollowTheQuotes)
{
    const std::optional<JsonValue> root = ParseJson(R"({"a" 1, "b": 2})");
    ASSERT_TRUE(root);
    // The key still takes the value that follows.
    EXPECT_EQ(root->Keys(), QStringList({"a", "b"}));
    EXPECT_EQ(root->Item("a").text(), "1");
    EXPECT_EQ(ParserErrors(), "Invalid Key at position 6 : a\r\n");
}

TEST(JsonErrors, InvalidKeyShowsTheKeyReadSoFar)
{
    const std::optional<JsonValue> root = ParseJson("{ab 'c d' 1}");
    EXPECT_EQ(ParserErrors(), "Invalid Key at position 11 : abcd\r\n");
    EXPECT_EQ(root->Item("abcd").text(), "1");
}

TEST(JsonErrors, DuplicateKeyEndsTheObjectAndKeepsEarlierMembers)
{
    const std::optional<JsonValue> root = ParseJson(R"({"a": 1, "b": 2, "a": 3, "c": 4})");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Keys(), QStringList({"a", "b"}));
    EXPECT_EQ(root->Item("a").text(), "1");
    EXPECT_EQ(ParserErrors(), "This key is already associated with an element of this collection: a\r\n");
}

TEST(JsonErrors, AfterADuplicateKeyTheEnclosingObjectReadsOn)
{
    // The inner object ends after the value of its second "a"; the outer one goes on from
    // there and takes the members the inner one had left.
    const std::optional<JsonValue> root = ParseJson(R"({"o": {"a": 1, "a": 2, "b": 3}, "c": 4})");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Keys(), QStringList({"o", "b"}));
    EXPECT_EQ(root->Item("o").Keys(), QStringList({"a"}));
    EXPECT_EQ(ParserErrors(), "This key is already associated with an element of this collection: a\r\n");
}

TEST(JsonErrors, KeysDifferingOnlyInCaseAreNotDuplicates)
{
    const std::optional<JsonValue> root = ParseJson(R"({"Pan": 1, "PAN": 2})");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Count(), 2);
    EXPECT_EQ(ParserErrors(), "");
}

TEST(JsonErrors, InvalidBooleanEndsTheParseWithTheRestOfTheText)
{
    const std::optional<JsonValue> root = ParseJson(R"({"a": 1, "b": tru, "c": 3})");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Keys(), QStringList({"a"}));
    EXPECT_EQ(ParserErrors(), "Invalid Boolean at position 15 : tru, \"c\": 3}\r\n");

    ParseJson("[fals]");
    EXPECT_EQ(ParserErrors(), "Invalid Boolean at position 2 : fals]\r\n");
}

TEST(JsonErrors, InvalidNullEndsTheParseWithTheRestOfTheText)
{
    const std::optional<JsonValue> root = ParseJson("[1, nul, 2]");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Count(), 1);
    EXPECT_EQ(ParserErrors(), "Invalid null value at position 5 : nul, 2]\r\n");
}

TEST(JsonErrors, LiteralsAreCaseSensitive)
{
    ParseJson("[True]");
    EXPECT_EQ(ParserErrors(), "Invalid Number at position 2 : True]\r\n");
}

TEST(JsonErrors, InvalidNumberEndsTheParse)
{
    // Nothing sensible follows a value that cannot be read, and reading on from the same
    // place would only fail again.
    const std::optional<JsonValue> root = ParseJson("[1, x, 2]");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Count(), 1);
    EXPECT_EQ(ParserErrors(), "Invalid Number at position 5 : x, 2]\r\n");

    ParseJson("[1-2]");
    EXPECT_EQ(ParserErrors(), "Invalid Number at position 2 : 1-2]\r\n");
    ParseJson(R"({"a": /x})");
    EXPECT_EQ(ParserErrors(), "Invalid Number at position 7 : /x}\r\n");
}

TEST(JsonErrors, AnErrorInsideNestedValuesKeepsTheTreeReadSoFar)
{
    const std::optional<JsonValue> root = ParseJson(R"({"a": {"b": [1, 2, bad]}, "c": 1})");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Keys(), QStringList({"a"}));
    EXPECT_EQ(root->Item("a").Item("b").Count(), 2);
    EXPECT_EQ(ParserErrors(), "Invalid Number at position 20 : bad]}, \"c\": 1}\r\n");
}

TEST(JsonErrors, ErrorsAccumulateOneLineEach)
{
    ParseJson(R"({"a" 1, "b": [2)");
    EXPECT_EQ(ParserErrors(), "Invalid Key at position 6 : a\r\n"
                              "Missing ']': {\"a\" 1, \"b\": [2\r\n"
                              "Missing '}': {\"a\" 1, \"b\": [2\r\n");
}
