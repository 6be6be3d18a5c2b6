#include "efiling/json/Json.h"

#include <gtest/gtest.h>

using JSON::JsonToText;
using JSON::ParseJson;
using JSON::ParserErrors;

namespace
{
// A document with every kind of value, both quote styles, comments, parentheses,
// escapes of every sort and nesting, so that a cut can fall inside each construct. It ends
// with its last brace: every shorter cut is incomplete.
const QString sample = QString::fromUtf8(R"(// e-filing sample
{
  "FORM3CA": {
    "CreationInfo": {'SWVersionNo': "1.0", SWCreatedBy: "X/Y", "JSONCreationDate": "2024-09-30"},
    "Form_Details": {"FormName": "FORM3CA", "AssessmentYear": 2024, "SchemaVer": 'Ver1.0'},
    /* declaration */
    "F3CA": {
      "Declaration": {"Point1": "AAAPA1234A", "Flag": true, "Unused": null, "Rate": -1.5e-2},
      "Rows": [ (1), 2.50 3, "tab\tquote\"slash\/\u20B9\uD83D\uDE00 é", {"Nil": false}, [] ],
      'Notes': 'it\'s',
    }
  }
})");
} // namespace

TEST(JsonTruncation, EveryCutOfTheSampleIsReadWithoutHarm)
{
    ASSERT_EQ(ParseJson(sample)->Item("FORM3CA").Item("F3CA").Item("Rows").Count(), 6);
    ASSERT_EQ(ParserErrors(), "");
    for (qsizetype length = 0; length < sample.size(); ++length) {
        // A string of its own, as the text of a file that ends there would be.
        const QString cut(sample.constData(), length);
        const std::optional<JsonValue> root = ParseJson(cut);
        const QString errors = ParserErrors();
        if (!root) {
            EXPECT_EQ(errors, "Invalid JSON\r\n") << length;
            continue;
        }
        // A cut document is never complete, so there is always something to report, and
        // whatever was read can be written and read again.
        EXPECT_FALSE(errors.isEmpty()) << length;
        const std::optional<JsonValue> again = ParseJson(JsonToText(*root));
        ASSERT_TRUE(again) << length;
        EXPECT_EQ(ParserErrors(), "") << length;
        EXPECT_EQ(JsonToText(*again), JsonToText(*root)) << length;
    }
}

TEST(JsonTruncation, EveryCutOfTheUtf8BytesIsReadWithoutHarm)
{
    // Cuts inside a multi-byte character give an invalid UTF-8 tail.
    const QByteArray bytes = sample.toUtf8();
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        const std::optional<JsonValue> root = ParseJson(QString::fromUtf8(bytes.first(length)));
        if (root)
            EXPECT_FALSE(ParserErrors().isEmpty()) << length;
    }
}
