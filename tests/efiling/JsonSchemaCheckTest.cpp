#include "efiling/JsonSchemaCheck.h"
#include "efiling/JsonLayout.h"
#include "efiling/JsonPositions.h"

#include <gtest/gtest.h>

namespace
{

const std::string kSchema = R"({
  "$schema": "http://json-schema.org/draft-04/schema#",
  "type": "object",
  "additionalProperties": false,
  "required": ["FORM3CA"],
  "properties": {
    "FORM3CA": {
      "type": "object",
      "additionalProperties": false,
      "required": ["F3CA"],
      "properties": {
        "F3CA": { "$ref": "#/definitions/F3CA" }
      }
    }
  },
  "definitions": {
    "F3CA": {
      "type": "object",
      "additionalProperties": false,
      "required": ["PAN", "Status"],
      "properties": {
        "PAN": { "type": "string", "pattern": "^[A-Z]{5}[0-9]{4}[A-Z]$" },
        "Status": { "type": "string", "enum": ["1", "7"] },
        "Rows": { "type": "array", "items": { "$ref": "#/definitions/Row" } }
      }
    },
    "Row": {
      "type": "object",
      "additionalProperties": false,
      "properties": {
        "Date": { "$ref": "#/definitions/Date" },
        "Amount": { "type": "number", "minimum": 0 }
      }
    },
    "Date": { "type": "string", "pattern": "^[0-9]{4}-[0-9]{2}-[0-9]{2}$" }
  }
})";

QList<ValidationFinding> check(const std::string &doc)
{
    return JsonSchemaCheck(kSchema).run(doc);
}

} // namespace

TEST(JsonSchemaCheck, AcceptsAConformingDocument)
{
    EXPECT_TRUE(check(R"({"FORM3CA": {"F3CA": {"PAN": "AABCS1234K", "Status": "7",
                          "Rows": [{"Date": "2025-04-01", "Amount": 10.5}]}}})")
                    .isEmpty());
}

TEST(JsonSchemaCheck, NamesAWrongTypeWithItsLineAndColumn)
{
    const auto f = check("{\r\n  \"FORM3CA\": {\r\n    \"F3CA\": {\r\n      \"PAN\": \"AABCS1234K\",\r\n"
                         "      \"Status\": \"7\",\r\n      \"Rows\": [\r\n        {\r\n"
                         "          \"Amount\": \"ten\"\r\n        }\r\n      ]\r\n    }\r\n  }\r\n}\r\n");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].kind, ErrorKind::Type);
    EXPECT_EQ(f[0].line, 8);
    EXPECT_EQ(f[0].column, 11);
    EXPECT_EQ(f[0].member, QStringLiteral("Amount"));
    EXPECT_EQ(f[0].value, QStringLiteral("ten"));
    EXPECT_EQ(f[0].root, QStringLiteral("FORM3CA.F3CA.Rows[0]"));
    EXPECT_EQ(f[0].head, QStringLiteral("Rows"));
    EXPECT_EQ(f[0].message,
              QStringLiteral(
                  "FORM3CA, F3CA, Rows, row 1, Amount: must be a number; the file has the text \"ten\"."));
    EXPECT_EQ(f[0].detail, QStringLiteral("Invalid type. Expected Number but got String."));
    EXPECT_EQ(f[0].pointer, QStringLiteral("/FORM3CA/F3CA/Rows/0/Amount"));
}

TEST(JsonSchemaCheck, RefusesAMalformedDateThroughAReference)
{
    const auto f = check(R"({"FORM3CA": {"F3CA": {"PAN": "AABCS1234K", "Status": "7",
                           "Rows": [{"Date": "01/04/2025"}]}}})");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].kind, ErrorKind::Pattern);
    EXPECT_EQ(f[0].line, 2);
    // A pattern the schema does not put in words is not shown to the user.
    EXPECT_EQ(f[0].message,
              QStringLiteral("FORM3CA, F3CA, Rows, row 1, Date: \"01/04/2025\" is not written the "
                             "way the form asks for this value."));
    EXPECT_EQ(
        f[0].detail,
        QStringLiteral("String '01/04/2025' does not match regex pattern '^[0-9]{4}-[0-9]{2}-[0-9]{2}$'."));
}

TEST(JsonSchemaCheck, RefusesAnUnknownMemberAtItsName)
{
    const auto f =
        check("{\"FORM3CA\": {\"F3CA\": {\"PAN\": \"AABCS1234K\", \"Status\": \"7\",\n \"Colour\": 1}}}");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].kind, ErrorKind::Unknown);
    EXPECT_EQ(f[0].member, QStringLiteral("Colour"));
    EXPECT_EQ(f[0].line, 2);
    EXPECT_EQ(f[0].column, 2);
}

TEST(JsonSchemaCheck, ListsAllMissingRequiredMembersOfAnObjectInOneFinding)
{
    const auto f = check("{\"FORM3CA\": {\n\"F3CA\": {}}}");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].kind, ErrorKind::Required);
    EXPECT_EQ(f[0].message, QStringLiteral("FORM3CA, F3CA: these are missing: PAN, Status."));
    EXPECT_EQ(f[0].detail, QStringLiteral("Required properties are missing from object: PAN, Status."));
    EXPECT_EQ(f[0].root, QStringLiteral("FORM3CA.F3CA"));
    EXPECT_EQ(f[0].line, 2);
}

TEST(JsonSchemaCheck, WordsEnumAndMinimumFaults)
{
    const auto f =
        check(R"({"FORM3CA": {"F3CA": {"PAN": "AABCS1234K", "Status": "9", "Rows": [{"Amount": -5}]}}})");
    ASSERT_EQ(f.size(), 2);
    EXPECT_EQ(
        f[0].message,
        QStringLiteral("FORM3CA, F3CA, Status: \"9\" is not one of the values the form allows (1, 7)."));
    EXPECT_EQ(f[0].detail, QStringLiteral("Value \"9\" is not defined in enum."));
    EXPECT_EQ(f[1].message,
              QStringLiteral("FORM3CA, F3CA, Rows, row 1, Amount: must be at least 0; the file has -5."));
    EXPECT_EQ(f[1].detail, QStringLiteral("Integer -5 is less than minimum value of 0."));
}

TEST(JsonSchemaCheck, ChecksTheDataOfAnUploadEnvelope)
{
    const auto f = check(
        R"({"metadata": {"filingType": "O"}, "data": {"FORM3CA": {"F3CA": {"PAN": "X", "Status": "7"}}}})");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].pointer, QStringLiteral("/data/FORM3CA/F3CA/PAN"));
    EXPECT_EQ(f[0].root, QStringLiteral("FORM3CA.F3CA"));
}

TEST(JsonSchemaCheck, ReportsWhereATextCannotBeReadAsTheImportReadsIt)
{
    auto f = check("{\n\"FORM3CA\": {\n\"F3CA\": ,\n}}");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].kind, ErrorKind::Syntax);
    EXPECT_EQ(f[0].line, 3);
    EXPECT_EQ(f[0].column, 9);
    EXPECT_TRUE(f[0].message.startsWith("The file is not valid JSON: syntax error"))
        << f[0].message.toStdString();

    // Strict JSON allows a member twice; the import refuses it, and so does the check.
    f = check("{\"FORM3CA\": {\"F3CA\": {\"PAN\": \"AABCS1234K\", \"Status\": \"7\"}},\n  \"FORM3CA\": {}}");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].kind, ErrorKind::Syntax);
    EXPECT_EQ(f[0].line, 2);
    EXPECT_EQ(f[0].column, 3);
    EXPECT_EQ(f[0].message, "The file cannot be read: the member \"FORM3CA\" is given twice in one object");
    EXPECT_EQ(JsonSchemaCheck::syntaxFault("{\"a\": 1, \"a\": 2}")->column, 10);
    EXPECT_FALSE(JsonSchemaCheck::syntaxFault("{\"a\": {\"a\": 2}}"));
}

// The strict reading is the one reading of a plain file; wherever the import's reader could
// take the text differently, that reader has its say too.
TEST(JsonSchemaCheck, RefusesWhatTheImportRefusesAfterOneStrictReading)
{
    const auto fault = [](const std::string &text) {
        const std::optional<ValidationFinding> f = JsonSchemaCheck::syntaxFault(text);
        return f ? f->message.toStdString() : std::string();
    };
    // Our reader drops blanks from names: two names become one.
    EXPECT_EQ(fault("{\"a b\": 1, \"ab\": 2}"),
              "The file cannot be read: the member \"ab\" is given twice in one object");
    // It takes no escapes in names.
    EXPECT_NE(fault("{\"a\\\"b\": 1}"), "");
    // A text that is no object or array.
    EXPECT_NE(fault("5"), "");
    EXPECT_EQ(fault("{\"a\": \"line\\nbreak \\\"quoted\\\"\", \"b c\": [1, -0.5e3, true, null]}"), "");

    // 256 levels are read by both; at 257 our reader stops; past that neither goes on.
    const auto nested = [](int levels) {
        return std::string(size_t(levels), '[') + std::string(size_t(levels), ']');
    };
    EXPECT_EQ(fault(nested(256)), "");
    EXPECT_TRUE(
        QString::fromStdString(fault(nested(257))).startsWith("The file cannot be read: Nesting too deep"))
        << fault(nested(257));
    EXPECT_TRUE(QString::fromStdString(fault(nested(300))).contains("levels deep")) << fault(nested(300));
    EXPECT_EQ(check(nested(300)).size(), 1);
}

TEST(JsonSchemaCheck, RefusesAnUnusableSchema)
{
    EXPECT_THROW(JsonSchemaCheck("{not json"), std::runtime_error);
}

TEST(JsonPositions, CountsCharactersNotBytes)
{
    const auto at = JsonPositions::locate("{\"a\": \"é\", \"b\": 1}", {"/b"});
    ASSERT_EQ(at.count("/b"), 1u);
    EXPECT_EQ(at.at("/b").column, 12);
}

TEST(JsonLayout, LaysMembersOutOneALineKeepingValuesAsWritten)
{
    EXPECT_EQ(JsonLayout::indented("{\"a\":1250.00,\"b\":[],\"c\":{\"d\":\"x, {y}\"},\"e\":[1,2]}"),
              "{\n    \"a\": 1250.00,\n    \"b\": [],\n    \"c\": {\n        \"d\": \"x, {y}\"\n    },\n"
              "    \"e\": [\n        1,\n        2\n    ]\n}\n");
    // A broken text is laid out as far as it goes.
    EXPECT_EQ(JsonLayout::indented("{\"a\": ,"), "{\n    \"a\": ,\n    \n");
}

// Each fault is known by the schema's rule it breaks, not by how the validator words it: a
// value that breaks two rules gives two findings, a rule without words of its own keeps the
// validator's.
TEST(JsonSchemaCheck, KnowsEachFaultByTheRuleItBreaks)
{
    const std::string schema = R"({
      "type": "object",
      "properties": {
        "Code": {"type": "string", "maxLength": 3, "pattern": "^[A-Z]+$"},
        "List": {"type": "array", "minItems": 2, "items": {"type": "integer"}},
        "Either": {"anyOf": [{"type": "string"}, {"type": "integer"}]}
      }
    })";
    const auto f =
        JsonSchemaCheck(schema).run("{\n\"Code\": \"abcd\",\n\"List\": [1.5],\n\"Either\": true\n}");
    ASSERT_EQ(f.size(), 5);
    EXPECT_EQ(f[0].kind, ErrorKind::Length);
    EXPECT_EQ(f[0].detail, QStringLiteral("String 'abcd' exceeds maximum length of 3."));
    EXPECT_EQ(f[1].kind, ErrorKind::Pattern);
    EXPECT_EQ(f[2].kind, ErrorKind::Items);
    EXPECT_EQ(f[2].member, QStringLiteral("List"));
    EXPECT_EQ(f[3].kind, ErrorKind::Type);
    EXPECT_EQ(f[3].expected, QStringLiteral("Integer"));
    EXPECT_EQ(f[3].found, QStringLiteral("Float"));
    EXPECT_EQ(f[3].pointer, QStringLiteral("/List/0"));
    EXPECT_EQ(f[4].kind, ErrorKind::Other);
    EXPECT_EQ(f[4].member, QStringLiteral("Either"));
    EXPECT_FALSE(f[4].detail.isEmpty());
    EXPECT_EQ(f[4].errorNo(), QStringLiteral("99"));
}
