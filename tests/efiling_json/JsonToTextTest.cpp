#include "efiling/json/Json.h"

#include <gtest/gtest.h>

using JSON::JsonToText;
using JSON::ParseJson;
using JSON::ParserErrors;

TEST(JsonToText, ScalarsAndTheWritersEscapes)
{
    EXPECT_EQ(JsonToText(JsonValue()), "null");
    EXPECT_EQ(JsonToText(JsonValue(true)), "true");
    EXPECT_EQ(JsonToText(JsonValue::number("-12.50")), "-12.50");
    EXPECT_EQ(JsonToText(JsonValue(QString("a\"b\\c/d it's ~"))), R"("a\"b\\c\/d it's ~")");
    EXPECT_EQ(JsonToText(JsonValue(QString("\b\f\n\r\t"))), R"("\b\f\n\r\t")");
}

TEST(JsonToText, OnlyPrintableAsciiIsWrittenAsItself)
{
    EXPECT_EQ(JsonToText(JsonValue(QString(QChar(0)) + QChar(0x01) + QChar(0x7F))),
              R"("\u0000\u0001\u007F")");
    EXPECT_EQ(JsonToText(JsonValue(u"é₹"_qs + QChar(0xFFFF))), R"("\u00E9\u20B9\uFFFF")");
    // Beyond the basic plane: the two code units of the surrogate pair.
    EXPECT_EQ(JsonToText(JsonValue(u"😀"_qs + QChar(0xDC00))), R"("\uD83D\uDE00\uDC00")");
}

TEST(JsonToText, ContainersWithoutWhiteSpaceInKeyOrderAndKeysUnescaped)
{
    JsonValue inner = JsonValue::array();
    inner.Append(JsonValue::number("1"));
    inner.Append(JsonValue(QString("two")));
    JsonValue root = JsonValue::object();
    root.Add("z", JsonValue(false));
    root.Add("a", inner);
    root.Add("a/b\\c", JsonValue::object());
    EXPECT_FALSE(root.Add("z", JsonValue()));
    EXPECT_EQ(JsonToText(root), R"({"z":false,"a":[1,"two"],"a/b\c":{}})");
}

TEST(JsonToText, LenientTextComesOutStrict)
{
    const std::optional<JsonValue> root =
        ParseJson("/* c */ {PAN: 'A/B' Year: +.5, 'List': [1 2,,], \"o\" : {x:null}}");
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
    EXPECT_TRUE(std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u' ' && c <= u'~'; }));
    const std::optional<JsonValue> again = ParseJson(text);
    EXPECT_EQ(ParserErrors(), "");
    EXPECT_EQ(again->Item(1).text(), all);
}

TEST(JsonToText, CuttingOutASubTree)
{
    // How an importer takes one branch of a document: write it and read it again.
    const std::optional<JsonValue> document =
        ParseJson(R"({"FORM3CA": {"F3CA": {"Rows": [{"Amt": 10.00, "Note": "a\u20B9b"}]}, "Other": 1}})");
    const std::optional<JsonValue> branch = ParseJson(JsonToText(document->Item("FORM3CA").Item("F3CA")));
    EXPECT_EQ(ParserErrors(), "");
    EXPECT_EQ(branch->Item("Rows").Item(1).Item("Amt").text(), "10.00");
    EXPECT_EQ(branch->Item("Rows").Item(1).Item("Note").text(), u"a₹b"_qs);
}
