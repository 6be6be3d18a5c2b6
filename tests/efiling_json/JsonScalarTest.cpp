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
    EXPECT_EQ(ParserErrors(), "") << literal.toStdString();
    EXPECT_EQ(root ? root->Count() : 0, 1) << literal.toStdString();
    return root ? root->Item(1) : JsonValue();
}
} // namespace

TEST(JsonStrings, Escapes)
{
    EXPECT_EQ(element(R"("a\"b\\c\/d\'e")").text(), "a\"b\\c/d'e");
    EXPECT_EQ(element(R"('\b\f\n\r\t')").text(), QString("\b\f\n\r\t"));
    // Any other letter after a backslash stands for itself.
    EXPECT_EQ(element(R"("\a\q\0\ ")").text(), "aq0 ");
    EXPECT_EQ(element(u"\"raw\ttab, ₹\""_qs).text(), u"raw\ttab, ₹"_qs);
}

TEST(JsonStrings, UnicodeEscapesAreUtf16CodeUnits)
{
    EXPECT_EQ(element(R"("\u0041\u00e9\u20B9\u0000")").text(), u"Aé₹"_qs + QChar(0));
    EXPECT_EQ(element(R"("\uD83D\uDE00")").text().toUcs4(), QList<uint>({0x1F600}));
    // Lone surrogates, and a high one followed by another high one, stay as they are.
    EXPECT_EQ(element(R"("\uD800x\uDC00")").text(), QString(QChar(0xD800)) + "x" + QChar(0xDC00));
    EXPECT_EQ(element(R"("\uD800\uD800")").text(), QString(2, QChar(0xD800)));
}

TEST(JsonStrings, AUnicodeEscapeWithoutFourHexDigitsIsTheLetterU)
{
    EXPECT_EQ(element(R"("\u12G4")").text(), "u12G4");
    EXPECT_EQ(element(R"("\uabc")").text(), "uabc");
    EXPECT_EQ(ParseJson("[\"\\u12")->Item(1).text(), "u12");
}

TEST(JsonNumbers, KeepTheDecimalTextOfTheLiteral)
{
    EXPECT_TRUE(element("7").isNumber());
    for (const QString literal :
         {"0", "-12", "12345.00", "1e5", "-2.5E-3", "1e+2", "123456789012345678901234567890.99"})
        EXPECT_EQ(element(literal).text(), literal);
    EXPECT_DOUBLE_EQ(element("-2.5E-3").toDouble(), -0.0025);
}

TEST(JsonNumbers, LenientFormsAreWrittenStrictly)
{
    EXPECT_EQ(element("+5").text(), "5");
    EXPECT_EQ(element("-.5").text(), "-0.5");
    EXPECT_EQ(element("7.").text(), "7");
    EXPECT_EQ(element("7.e2").text(), "7e2");
}

TEST(JsonNumbers, RunsThatAreNotNumbersAreErrors)
{
    for (const QString run : {"-", ".", "e5", "1e", "1e+", "1.2.3", "--1", "1+", "1e5.0"}) {
        ParseJson("[" + run + "]");
        EXPECT_EQ(ParserErrors(), "Invalid Number at position 2 : " + run + "]\r\n") << run.toStdString();
    }
    // A number ends at the first character that cannot belong to one.
    EXPECT_EQ(ParseJson(R"({"a":1"b":-2})")->Item("b").text(), "-2");
}

TEST(JsonLiterals, EndAfterTheirWord)
{
    const std::optional<JsonValue> root = ParseJson("[truefalse null1]");
    EXPECT_EQ(ParserErrors(), "");
    ASSERT_EQ(root->Count(), 4);
    EXPECT_TRUE(root->Item(1).toBool());
    EXPECT_TRUE(root->Item(2).isBoolean());
    EXPECT_FALSE(root->Item(2).toBool());
    EXPECT_TRUE(root->Item(3).isNull());
}
