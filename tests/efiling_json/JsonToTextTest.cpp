#include "efiling/json/Json.h"

#include <gtest/gtest.h>

using JSON::JsonToText;
using JSON::ParseJson;
using JSON::ParserErrors;

TEST(JsonToText, Scalars)
{
    EXPECT_EQ(JsonToText(JsonValue()), "null");
    EXPECT_EQ(JsonToText(JsonValue(true)), "true");
    EXPECT_EQ(JsonToText(JsonValue(false)), "false");
    EXPECT_EQ(JsonToText(JsonValue::number("-12.50")), "-12.50");
    EXPECT_EQ(JsonToText(JsonValue(QString("plain text"))), "\"plain text\"");
}

TEST(JsonToText, EscapesOfTheWriter)
{
    EXPECT_EQ(JsonToText(JsonValue(QString("a\"b\\c/d"))), R"("a\"b\\c\/d")");
    EXPECT_EQ(JsonToText(JsonValue(QString("\b\f\n\r\t"))), R"("\b\f\n\r\t")");
    // The single quote is printable and needs no escape in double quotes.
    EXPECT_EQ(JsonToText(JsonValue(QString("it's"))), R"("it's")");
}

TEST(JsonToText, OnlyPrintableAsciiIsWrittenAsItself)
{
    EXPECT_EQ(JsonToText(JsonValue(QString(" ~"))), "\" ~\"");
    EXPECT_EQ(JsonToText(JsonValue(QString(QChar(0x7F)))), R"("\u007F")");
    EXPECT_EQ(JsonToText(JsonValue(QString(QChar(0x01)))), R"("\u0001")");
    EXPECT_EQ(JsonToText(JsonValue(QString(QChar(0)))), R"("\u0000")");
    EXPECT_EQ(JsonToText(JsonValue(u"é₹"_qs)), R"("\u00E9\u20B9")");
    EXPECT_EQ(JsonToText(JsonValue(QString(QChar(0xFFFF)))), R"("\uFFFF")");
}

TEST(JsonToText, CharactersBeyondTheBasicPlaneBecomeTwoEscapes)
{
    EXPECT_EQ(JsonToText(JsonValue(u"😀"_qs)), R"("\uD83D\uDE00")");
    EXPECT_EQ(JsonToText(JsonValue(QString(QChar(0xDC00)))), R"("\uDC00")");
}

TEST(JsonToText, ContainersWithoutWhiteSpaceInKeyOrder)
{
    JsonValue inner = JsonValue::array();
    inner.Append(JsonValue::number("1"));
    inner.Append(JsonValue(QString("two")));
    inner.Append(JsonValue());
    JsonValue root = JsonValue::object();
    root.Add("z", JsonValue(true));
    root.Add("a", inner);
    root.Add("m", JsonValue::object());
    EXPECT_EQ(JsonToText(root), R"({"z":true,"a":[1,"two",null],"m":{}})");
    EXPECT_EQ(JsonToText(JsonValue::array()), "[]");
}

TEST(JsonToText, KeysAreWrittenWithoutEscaping)
{
    JsonValue root = JsonValue::object();
    root.Add("a/b\\c", JsonValue::number("1"));
    EXPECT_EQ(JsonToText(root), R"({"a/b\c":1})");
}

TEST(JsonToText, LenientTextComesOutStrict)
{
    const std::optional<JsonValue> root =
        ParseJson("/* c */ {PAN: 'A/B' Year: +.5, 'List': [1 2,,], \"o\" : {x:null}}");
    ASSERT_TRUE(root);
    EXPECT_EQ(ParserErrors(), "");
    EXPECT_EQ(JsonToText(*root), R"({"PAN":"A\/B","Year":0.5,"List":[1,2],"o":{"x":null}})");
}

TEST(JsonToText, EveryCodeUnitRoundTrips)
{
    QString all;
    for (int code = 0; code <= 0xFFFF; ++code)
        all += QChar(char16_t(code));
    JsonValue root = JsonValue::array();
    root.Append(JsonValue(all));
    const QString text = JsonToText(root);
    for (const QChar c : text)
        ASSERT_TRUE(c.unicode() >= 32 && c.unicode() <= 126);
    const std::optional<JsonValue> again = ParseJson(text);
    ASSERT_TRUE(again);
    EXPECT_EQ(ParserErrors(), "");
    EXPECT_EQ(again->Item(1).text(), all);
}

TEST(JsonToText, CuttingOutASubTree)
{
    // How an importer takes one branch of a document: write it and read it again.
    const std::optional<JsonValue> document =
        ParseJson(R"({"FORM3CA": {"F3CA": {"Rows": [{"Amt": 10.00, "Note": "a\u20B9b"}]}, "Other": 1}})");
    ASSERT_TRUE(document);
    const std::optional<JsonValue> branch = ParseJson(JsonToText(document->Item("FORM3CA").Item("F3CA")));
    ASSERT_TRUE(branch);
    EXPECT_EQ(ParserErrors(), "");
    EXPECT_EQ(branch->Item("Rows").Item(1).Item("Amt").text(), "10.00");
    EXPECT_EQ(branch->Item("Rows").Item(1).Item("Note").text(), u"a₹b"_qs);
}
