#include "efiling/json/Json.h"

#include <gtest/gtest.h>

using JSON::ParseJson;
using JSON::ParserErrors;

namespace
{
// The one element of an array literal, read without complaint.
JsonValue element(const QString &literal)
{
    const std::optional<JsonValue> root = ParseJson("[" + literal + "]");
    EXPECT_TRUE(root.has_value());
    EXPECT_EQ(ParserErrors(), "") << literal.toStdString();
    EXPECT_EQ(root ? root->Count() : 0, 1) << literal.toStdString();
    return root ? root->Item(1) : JsonValue();
}
} // namespace

TEST(JsonStrings, EscapesOfTheReader)
{
    EXPECT_EQ(element(R"("a\"b\\c\/d\'e")").text(), "a\"b\\c/d'e");
    EXPECT_EQ(element(R"("\b\f\n\r\t")").text(), QString("\b\f\n\r\t"));
    EXPECT_EQ(element(R"('single \' quote')").text(), "single ' quote");
}

TEST(JsonStrings, AnyOtherEscapeLetterStandsForItself)
{
    EXPECT_EQ(element(R"("\a\q\z\0\ ")").text(), "aqz0 ");
}

TEST(JsonStrings, RawControlCharactersAndNonAsciiAreKept)
{
    EXPECT_EQ(element("\"tab\there\nnew line\"").text(), "tab\there\nnew line");
    EXPECT_EQ(element(u"\"Café ₹ 5\""_qs).text(), u"Café ₹ 5"_qs);
}

TEST(JsonStrings, UnicodeEscapes)
{
    EXPECT_EQ(element(R"("\u0041\u00e9\u20B9")").text(), u"Aé₹"_qs);
    EXPECT_EQ(element(R"("\u0000")").text(), QString(QChar(0)));
}

TEST(JsonStrings, SurrogatePairEscapesMakeOneCharacter)
{
    const QString text = element(R"("\uD83D\uDE00")").text();
    ASSERT_EQ(text.size(), 2);
    EXPECT_EQ(text.toUcs4(), QList<uint>({0x1F600}));
}

TEST(JsonStrings, LoneSurrogatesStayAsCodeUnits)
{
    EXPECT_EQ(element(R"("\uD800x")").text(), QString(QChar(0xD800)) + "x");
    EXPECT_EQ(element(R"("\uDC00")").text(), QString(QChar(0xDC00)));
    // A high surrogate followed by another high one: two code units, neither lost.
    EXPECT_EQ(element(R"("\uD800\uD800")").text(), QString(QChar(0xD800)) + QChar(0xD800));
}

TEST(JsonStrings, AUnicodeEscapeWithoutFourHexDigitsIsTheLetterU)
{
    EXPECT_EQ(element(R"("\u12G4")").text(), "u12G4");
    EXPECT_EQ(element(R"("\uabc")").text(), "uabc");
    // Cut off by the end: the digits that are there are kept as text.
    const std::optional<JsonValue> root = ParseJson("[\"\\u12");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Item(1).text(), "u12");
}

TEST(JsonStrings, LongStringsKeepEveryCharacter)
{
    const QString body = QString("0123456789").repeated(5000) + "\\n" + QString("x").repeated(9000);
    const QString text = element("\"" + body + "\"").text();
    EXPECT_EQ(text.size(), 50000 + 1 + 9000);
    EXPECT_TRUE(text.endsWith(QString("\n") + QString("x").repeated(9000)));
}

TEST(JsonNumbers, KeepTheDecimalTextOfTheLiteral)
{
    EXPECT_EQ(element("0").text(), "0");
    EXPECT_EQ(element("-12").text(), "-12");
    EXPECT_EQ(element("12345.00").text(), "12345.00");
    EXPECT_EQ(element("1e5").text(), "1e5");
    EXPECT_EQ(element("-2.5E-3").text(), "-2.5E-3");
    EXPECT_EQ(element("123456789012345678901234567890.99").text(), "123456789012345678901234567890.99");
    EXPECT_TRUE(element("7").isNumber());
}

TEST(JsonNumbers, LenientFormsAreWrittenStrictly)
{
    EXPECT_EQ(element("+5").text(), "5");
    EXPECT_EQ(element(".5").text(), "0.5");
    EXPECT_EQ(element("-.5").text(), "-0.5");
    EXPECT_EQ(element("7.").text(), "7");
    EXPECT_EQ(element("7.e2").text(), "7e2");
    EXPECT_EQ(element("1e+2").text(), "1e+2");
}

TEST(JsonNumbers, ConvertToFloatingPoint)
{
    EXPECT_DOUBLE_EQ(element("12345.50").toDouble(), 12345.5);
    EXPECT_DOUBLE_EQ(element("-2.5E-3").toDouble(), -0.0025);
    EXPECT_DOUBLE_EQ(element("\"12\"").toDouble(), 0.0);
}

TEST(JsonNumbers, RunsThatAreNotNumbersAreErrors)
{
    for (const QString run : {"-", "+", ".", "e5", "1e", "1e+", "1.2.3", "--1", "1+", "1e5.0"}) {
        ParseJson("[" + run + "]");
        EXPECT_EQ(ParserErrors(), "Invalid Number at position 2 : " + run + "]\r\n") << run.toStdString();
    }
}

TEST(JsonNumbers, ANumberEndsAtTheFirstOtherCharacter)
{
    const std::optional<JsonValue> root = ParseJson(R"({"a":1"b":-2})");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Item("a").text(), "1");
    EXPECT_EQ(root->Item("b").text(), "-2");
}

TEST(JsonLiterals, BooleansAndNull)
{
    EXPECT_TRUE(element("true").toBool());
    EXPECT_FALSE(element("false").toBool());
    EXPECT_TRUE(element("false").isBoolean());
    EXPECT_TRUE(element("null").isNull());
    // The literal ends after its word; what follows is read as the next value.
    const std::optional<JsonValue> root = ParseJson("[truefalse null1]");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Count(), 4);
    EXPECT_EQ(ParserErrors(), "");
}
