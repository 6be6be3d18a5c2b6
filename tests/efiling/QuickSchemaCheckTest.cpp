#include "TestFiles.h"
#include "efiling/CompiledSchema.h"
#include "efiling/ConformingText.h"
#include "efiling/JsonPositions.h"
#include "efiling/JsonSchemaCache.h"
#include "efiling/JsonSchemaCheck.h"
#include "efiling/KestrovaJVUtil.h"
#include "efiling/StrictJsonBuilder.h"
#include "efiling/json/JsonReading.h"

#include "SourceDataDir.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <valijson/adapters/nlohmann_json_adapter.hpp>
#include <valijson/schema.hpp>
#include <valijson/schema_parser.hpp>
#include <valijson/validation_results.hpp>
#include <valijson/validator.hpp>

namespace
{

using nlohmann::json;

constexpr size_t kLongString = 2000;

std::string shippedSchema()
{
    return readFile(QStringLiteral(TALVEX_SOURCE_DATA_DIR
                                   "/3CDFiles/JSONSchema/FORM3CA3CD/FORM3CA3CD_MainSchema.json"))
        .toStdString();
}

std::string demoFile()
{
    return readFile(QStringLiteral(TALVEX_EFILING_TEST_DATA "/FORM3CA_C001_2026.json")).toStdString();
}

// Where a text differs from the original, for a failure's message.
std::string changed(const std::string &original, const std::string &text)
{
    size_t at = 0;
    while (at < original.size() && at < text.size() && original[at] == text[at])
        ++at;
    const size_t from = at > 60 ? at - 60 : 0;
    return text.substr(from, 160);
}

// The two answers to compare: the quick reading's, and valijson's over the document the
// strict reading builds, after the reader's own refusals.
class Referee
{
public:
    explicit Referee(const std::string &schemaText) : m_schemaDoc(json::parse(schemaText))
    {
        valijson::SchemaParser parser(valijson::SchemaParser::kDraft4);
        valijson::adapters::NlohmannJsonAdapter adapter(m_schemaDoc);
        parser.populateSchema(adapter, m_schema);
        m_compiled = CompiledSchema::compile(m_schema, m_schemaDoc);
    }

    bool compiled() const { return m_compiled != nullptr; }

    bool quickSaysClean(const std::string &text) const
    {
        switch (ConformingText::check(*m_compiled, text, JsonPositions::kMaxDepth, kLongString)) {
        case ConformingText::Verdict::Conforms:
            return true;
        case ConformingText::Verdict::ConformsIfReadable:
            return JsonReading::read(QByteArrayView(text.data(), qsizetype(text.size()))).readable();
        case ConformingText::Verdict::Unsure:
            return false;
        }
        return false;
    }

    bool valijsonSaysClean(const std::string &text) const
    {
        json doc;
        try {
            if (JsonSchemaCheck::syntaxFault(text))
                return false;
            StrictJsonBuilder builder(doc, JsonPositions::kMaxDepth, kLongString);
            json::sax_parse(text, &builder);
        } catch (const json::exception &) {
            // A number beyond a double: the strict reading gives up.
            return false;
        }
        valijson::Validator validator;
        valijson::ValidationResults results;
        return validator.validate(m_schema, valijson::adapters::NlohmannJsonAdapter(doc), &results);
    }

    // Every text is answered alike; the counts show both answers were met.
    void expectSameAnswers(const std::vector<std::string> &texts) const
    {
        int clean = 0;
        for (const std::string &t : texts) {
            const bool expected = valijsonSaysClean(t);
            ASSERT_EQ(quickSaysClean(t), expected) << changed(texts.front(), t);
            clean += expected;
        }
        EXPECT_GT(clean, 0);
        EXPECT_LT(clean, int(texts.size()));
    }

private:
    json m_schemaDoc;
    valijson::Schema m_schema;
    std::unique_ptr<CompiledSchema> m_compiled;
};

// The text with each match of `where` (its first group) replaced by `perMatch` of the
// variants, taken in turn, so that every variant meets many places.
std::vector<std::string> replacing(const std::string &text, const std::regex &where,
                                   const std::vector<std::string> &variants, size_t perMatch)
{
    std::vector<std::string> out;
    size_t next = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), where); it != std::sregex_iterator();
         ++it) {
        const size_t at = size_t(it->position(1));
        const size_t length = size_t(it->length(1));
        for (size_t i = 0; i < perMatch; ++i)
            out.push_back(text.substr(0, at) + variants[next++ % variants.size()] + text.substr(at + length));
    }
    return out;
}

std::vector<std::string> mutations(const std::string &text)
{
    std::vector<std::string> out{text};
    // Each string value: other strings, other kinds of value, escapes, long and non-ASCII text.
    const std::vector<std::string> strings{"\"\"",
                                           "\"x\"",
                                           "\"2025-04-01\"",
                                           "\"2025-02-30\"",
                                           "\"AABCS1234K\"",
                                           "\"PROVIDENT\"",
                                           "\"N\"",
                                           "\"400001\"",
                                           "\"1200.00\"",
                                           "7",
                                           "7.5",
                                           "-1",
                                           "null",
                                           "true",
                                           "{}",
                                           "[]",
                                           "[\"a\"]",
                                           "\"\\u0041\\n\"",
                                           "\"\\ud83d\\ude00\"",
                                           "\"\\ud83d\"",
                                           "\"\xc3\xa9\"",
                                           "\"\xff\"",
                                           "\"" + std::string(2100, '9') + "\""};
    for (std::string &m : replacing(text, std::regex(R"(: ("[^"\\]*"))"), strings, 2))
        out.push_back(std::move(m));
    // Each number.
    for (std::string &m :
         replacing(text, std::regex(R"(: (-?[0-9][0-9.]*))"), {"\"7\"", "-1", "0", "1e400", "1.0", "01"}, 2))
        out.push_back(std::move(m));
    // Each member left out, given twice, or renamed.
    const std::regex member(R"(\r\n( *"[A-Za-z0-9_]+": [^\r\n{\[]*)\r\n)");
    int seen = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), member); it != std::sregex_iterator();
         ++it) {
        if (seen++ % 4)
            continue;
        const size_t at = size_t(it->position(1));
        const std::string line = it->str(1);
        std::string trimmed = line;
        if (!trimmed.empty() && trimmed.back() == ',')
            trimmed.pop_back();
        out.push_back(text.substr(0, at) + text.substr(at + line.size()));
        out.push_back(text.substr(0, at) + (line.back() == ',' ? line : line + ",") + "\r\n" + line +
                      text.substr(at + line.size()));
        out.push_back(text.substr(0, at) + "\"Colour\": \"blue\", " + line + text.substr(at + line.size()));
    }
    // Single bytes taken out or put in anywhere.
    std::mt19937 random(5);
    const std::string bytes = "{}[],:\"\\ 0a-.e\x01";
    for (int i = 0; i < 150; ++i) {
        const size_t at = random() % text.size();
        out.push_back(text.substr(0, at) + text.substr(at + 1));
        out.push_back(text.substr(0, at) + bytes[random() % bytes.size()] + text.substr(at));
    }
    return out;
}

// A schema with the rules the department's schemas use and a few they do not yet.
const std::string kRules = R"({
  "type": "object",
  "additionalProperties": false,
  "required": ["Head", "Rows"],
  "properties": {
    "Head": {
      "type": "object",
      "required": ["Code", "Extra"],
      "properties": { "Code": { "type": ["string", "null"], "maxLength": 4, "minLength": 2 } },
      "additionalProperties": { "type": "integer", "maximum": 10, "exclusiveMaximum": true }
    },
    "Rows": {
      "type": "array", "minItems": 1, "maxItems": 3,
      "items": {
        "type": "object",
        "additionalProperties": false,
        "properties": {
          "Kind": { "enum": ["A", "B", "\u00e9"] },
          "Amount": { "type": "number", "minimum": 0, "exclusiveMinimum": true },
          "Note": { "type": "string", "pattern": "^[a-z]+$|^$" },
          "Any": {}
        }
      }
    }
  }
})";

const std::string kRulesDocument =
    "{\r\n  \"Head\": {\r\n    \"Code\": \"AB\",\r\n    \"Extra\": 3\r\n  },\r\n"
    "  \"Rows\": [\r\n    {\r\n      \"Kind\": \"A\",\r\n      \"Amount\": 2.5,\r\n"
    "      \"Note\": \"ok\",\r\n      \"Any\": {\"x\": [1, \"y\", null]}\r\n    }\r\n"
    "  ]\r\n}\r\n";

} // namespace

TEST(QuickSchemaCheck, BothShippedSchemasAreCompiled)
{
    for (const char *form : {"FORM3CA3CD", "FORM3CB3CD"}) {
        const std::string text =
            readFile(QStringLiteral(TALVEX_SOURCE_DATA_DIR "/3CDFiles/JSONSchema/%1/%1_MainSchema.json")
                         .arg(QLatin1String(form)))
                .toStdString();
        EXPECT_TRUE(Referee(text).compiled()) << form;
    }
}

// The quick reading says "conforms" exactly where valijson finds nothing, over the reviewed
// demo file with thousands of single faults put in.
TEST(QuickSchemaCheck, AnswersAsValijsonForTheDemoFileWithFaultsPutIn)
{
    const Referee referee(shippedSchema());
    const std::string demo = demoFile();
    EXPECT_TRUE(referee.quickSaysClean(demo));
    referee.expectSameAnswers(mutations(demo));
}

TEST(QuickSchemaCheck, AnswersAsValijsonForRulesTheShippedSchemasDoNotUse)
{
    const Referee referee(kRules);
    ASSERT_TRUE(referee.compiled());
    EXPECT_TRUE(referee.quickSaysClean(kRulesDocument));
    referee.expectSameAnswers(mutations(kRulesDocument));
}

// Strings are read eight bytes at a time: a quote, escape, control or non-ASCII byte is
// seen at every place of a long string.
TEST(QuickSchemaCheck, SeesEverySpecialByteOfALongString)
{
    const Referee referee(kRules);
    std::vector<std::string> texts{kRulesDocument};
    for (const std::string special : {"\\\"", "\\n", "\x01", "\xc3\xa9", "\xc3", "\"", "\\u0062", "\t"}) {
        for (size_t at = 0; at <= 20; ++at) {
            std::string note(20, 'a');
            note.insert(at, special);
            std::string text = kRulesDocument;
            text.replace(text.find("\"ok\""), 4, "\"" + note + "\"");
            texts.push_back(text);
        }
    }
    referee.expectSameAnswers(texts);
}

// What the quick reading is not sure of goes to valijson, whatever it would find.
TEST(QuickSchemaCheck, LeavesWhatItIsNotSureOfToValijson)
{
    const Referee referee(kRules);
    const auto with = [](const std::string &from, const std::string &to) {
        std::string text = kRulesDocument;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    for (const std::string &text : {with("2.5", "99999999999999999999"), with("\"ok\"", "\"\\u0000\""),
                                    "{\"metadata\": {}, \"data\": " + kRulesDocument + "}",
                                    std::string(300, '[') + std::string(300, ']'), std::string("\"text\"")})
        EXPECT_FALSE(referee.quickSaysClean(text)) << text.substr(0, 80);
}

// A schema with a rule the quick reading does not know is checked by valijson alone.
TEST(QuickSchemaCheck, LeavesSchemasWithOtherRulesToValijson)
{
    const std::string anyOf = R"({"type": "object", "properties": {"a": {"anyOf": [{"type": "string"}]}}})";
    EXPECT_FALSE(Referee(anyOf).compiled());
    const auto findings = JsonSchemaCheck(anyOf).run(R"({"a": 1})");
    ASSERT_FALSE(findings.isEmpty());
    EXPECT_EQ(findings[0].member, QStringLiteral("a"));
}

// The check of a schema file is kept while the file holds the same text, and read again as
// soon as it changes, even to a text of the same size.
TEST(JsonSchemaCache, ReadsAChangedSchemaFileAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("schema.json"));
    const auto writeSchema = [&path](const QByteArray &text) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    };
    const auto listing = [](const char *code) {
        return QByteArray(R"({"type": "object", "properties": {"Status": {"enum": [")") + code + "\"]}}}";
    };
    const std::string document = R"({"Status": "7"})";
    const KestrovaJVUtil validator;

    writeSchema(listing("7"));
    EXPECT_TRUE(validator.ValidateText(document, path).findings.isEmpty());
    const std::string text = readFile(path).toStdString();
    EXPECT_EQ(JsonSchemaCache::check(path, text), JsonSchemaCache::check(path, text));

    writeSchema(listing("8"));
    const QList<ValidationFinding> findings = validator.ValidateText(document, path).findings;
    ASSERT_EQ(findings.size(), 1);
    EXPECT_EQ(findings[0].detail, QStringLiteral("Value \"7\" is not defined in enum."));

    writeSchema("{\"type\": 5}");
    EXPECT_TRUE(validator.ValidateText(document, path).failed());
}
