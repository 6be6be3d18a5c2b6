#include "JsonSchemaCheck.h"

#include "CompiledSchema.h"
#include "ConformingText.h"
#include "FindingWords.h"
#include "JsonPositions.h"
#include "SchemaBreaches.h"
#include "SchemaLookup.h"
#include "SchemaReferences.h"
#include "StrictJsonBuilder.h"
#include "efiling/json/JsonReading.h"

#include <nlohmann/json.hpp>
#include <valijson/adapters/nlohmann_json_adapter.hpp>
#include <valijson/schema.hpp>
#include <valijson/schema_parser.hpp>
#include <valijson/validation_results.hpp>
#include <valijson/validator.hpp>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <tuple>
#include <unordered_set>

using nlohmann::json;

struct JsonSchemaCheck::Impl {
    json schemaDoc;
    valijson::Schema schema;
    // nullptr when the schema uses a rule the quick reading does not know.
    std::unique_ptr<const CompiledSchema> compiled;
};

namespace
{

using Steps = std::vector<SchemaLookup::Step>;

// The byte offset of the first bracket that opens a level deeper than the limit.
size_t firstTooDeep(const std::string &text)
{
    size_t depth = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > JsonPositions::kMaxDepth)
                return i;
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        }
    }
    return 0;
}

std::string actualType(const json &value)
{
    switch (value.type()) {
    case json::value_t::string:
        return "String";
    case json::value_t::number_integer:
    case json::value_t::number_unsigned:
        return "Integer";
    case json::value_t::number_float:
        return "Float";
    case json::value_t::boolean:
        return "Boolean";
    case json::value_t::null:
        return "Null";
    case json::value_t::array:
        return "Array";
    case json::value_t::object:
        return "Object";
    default:
        return "Undefined";
    }
}

std::string valueText(const json &value)
{
    if (value.is_string())
        return value.get<std::string>();
    if (value.is_object() || value.is_array())
        return {};
    return value.dump();
}

std::string limitText(const json *node, const char *key)
{
    if (!node || !node->contains(key))
        return "?";
    return (*node)[key].dump();
}

// The validator matches patterns with std::regex, which recurses once per character and
// would run out of stack on the Base64 of a large attachment. Strings are checked by
// their first kLongString characters, enough for every code, date and identity number.
constexpr size_t kLongString = 2000;

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

// One fault located in the document: its path steps from the document root.
struct Located {
    Steps steps;
    const json *value = nullptr;
};

class Translator
{
public:
    Translator(const json &target, const Steps &prefix, const SchemaLookup &lookup)
        : m_target(target), m_prefix(prefix), m_lookup(lookup)
    {
    }

    QList<ValidationFinding> findings(const valijson::ValidationResults &results, const std::string &text)
    {
        // valijson says where a check failed; the rules the schema states at that place say
        // which failed. A place whose own rules all hold failed only through one below it.
        std::unordered_set<std::string> above;
        for (const auto &error : results) {
            std::string key;
            for (size_t i = 0; i + 1 < error.context.size(); ++i)
                above.insert(key += error.context[i] + '\x1f');
        }
        std::unordered_set<std::string> seen;
        for (const auto &error : results) {
            const std::string key = placeKey(error.context);
            if (seen.insert(key).second)
                add(error, above.count(key) > 0);
        }
        for (ValidationFinding &f : m_findings)
            FindingWords::compose(f);
        locate(text);
        return m_findings;
    }

private:
    static std::string placeKey(const std::vector<std::string> &context)
    {
        std::string key;
        for (const std::string &step : context)
            key += step + '\x1f';
        return key;
    }

    Located walk(const std::vector<std::string> &context) const
    {
        Located at{m_prefix, &m_target};
        for (size_t i = 1; i < context.size(); ++i) {
            std::string step = context[i];
            if (step.size() >= 2 && step.front() == '[' && step.back() == ']')
                step = step.substr(1, step.size() - 2);
            const json *node = at.value;
            if (node && node->is_array()) {
                const size_t index = std::stoul(step);
                at.value = index < node->size() ? &(*node)[index] : nullptr;
                at.steps.push_back({step, true});
            } else {
                at.value = node && node->is_object() && node->contains(step) ? &(*node)[step] : nullptr;
                at.steps.push_back({step, false});
            }
        }
        return at;
    }

    // Steps below the envelope, which is what the schema describes.
    Steps schemaSteps(const Steps &steps) const
    {
        return Steps(steps.begin() + m_prefix.size(), steps.end());
    }

    void add(const valijson::ValidationResults::Error &error, bool failedBelow)
    {
        const Located at = walk(error.context);
        const json *rule = m_lookup.at(schemaSteps(at.steps));
        const std::vector<SchemaBreaches::Breach> breaches =
            rule && at.value ? SchemaBreaches::of(*rule, *at.value) : std::vector<SchemaBreaches::Breach>();
        if (breaches.empty()) {
            // A rule the words below do not cover (anyOf, uniqueItems ...): the validator's words.
            if (!failedBelow) {
                ValidationFinding f;
                f.kind = ErrorKind::Other;
                f.detail = q(error.description);
                f.message = f.detail;
                pushAt(f, at);
            }
            return;
        }
        for (const SchemaBreaches::Breach &b : breaches)
            add(b, at, *rule);
    }

    void add(const SchemaBreaches::Breach &breach, const Located &at, const json &rule)
    {
        const json &value = *at.value;
        const QString shown = q(valueText(value));
        ValidationFinding f;
        f.kind = breach.kind;
        switch (breach.kind) {
        case ErrorKind::Required: {
            // One finding per object, naming every missing member, as readers expect.
            QStringList names;
            for (const std::string &name : breach.names)
                names << q(name);
            f.detail = QStringLiteral("Required properties are missing from object: %1.")
                           .arg(names.join(QStringLiteral(", ")));
            push(f, at.steps, names.join(QStringLiteral(", ")).toStdString(), {}, pointerOf(at.steps));
            return;
        }
        case ErrorKind::Unknown:
            // The validator stops at the first member it does not know; the user needs them all.
            for (const std::string &name : breach.names)
                pushUnknown(at, name);
            return;
        case ErrorKind::Type:
            f.expected = q(SchemaLookup::typeNames(rule));
            f.found = q(actualType(value));
            f.detail = QStringLiteral("Invalid type. Expected %1 but got %2.").arg(f.expected, f.found);
            f.message = FindingWords::wrongType(&rule, &value);
            break;
        case ErrorKind::Pattern:
            f.detail = QStringLiteral("String '%1' does not match regex pattern '%2'.")
                           .arg(shown, q(rule["pattern"].get<std::string>()));
            f.message = FindingWords::wrongPattern(&rule, shown);
            break;
        case ErrorKind::Enum:
            f.detail = QStringLiteral("Value \"%1\" is not defined in enum.").arg(shown);
            f.message = FindingWords::notListed(&rule, shown);
            break;
        case ErrorKind::Minimum:
            f.expected = q(limitText(&rule, "minimum"));
            f.found = shown;
            f.detail = QStringLiteral("%1 %2 is less than minimum value of %3.")
                           .arg(q(actualType(value)), shown, f.expected);
            f.message = FindingWords::tooSmall(f.expected, shown);
            break;
        case ErrorKind::Maximum:
            f.expected = q(limitText(&rule, "maximum"));
            f.found = shown;
            f.detail = QStringLiteral("%1 %2 exceeds maximum value of %3.")
                           .arg(q(actualType(value)), shown, f.expected);
            f.message = FindingWords::tooLarge(f.expected, shown);
            break;
        case ErrorKind::Length:
            f.expected = q(limitText(&rule, breach.keyword.c_str()));
            if (breach.keyword == "maxLength") {
                f.detail = QStringLiteral("String '%1' exceeds maximum length of %2.").arg(shown, f.expected);
                f.message = FindingWords::tooLong(f.expected, shown);
            } else {
                f.detail =
                    QStringLiteral("String '%1' is less than minimum length of %2.").arg(shown, f.expected);
                f.message = FindingWords::tooShort(f.expected, shown);
            }
            break;
        case ErrorKind::Items: {
            const qsizetype count = qsizetype(value.size());
            f.expected = q(limitText(&rule, breach.keyword.c_str()));
            if (breach.keyword == "maxItems") {
                f.detail = QStringLiteral("Array item count %1 exceeds maximum count of %2.")
                               .arg(count)
                               .arg(f.expected);
                f.message = FindingWords::tooManyEntries(f.expected, count);
            } else {
                f.detail = QStringLiteral("Array item count %1 is less than minimum count of %2.")
                               .arg(count)
                               .arg(f.expected);
                f.message = FindingWords::tooFewEntries(f.expected, count);
            }
            break;
        }
        default:
            break;
        }
        pushAt(f, at);
    }

    // The finding of the member at `at`, its value as the file has it.
    void pushAt(const ValidationFinding &f, const Located &at)
    {
        const std::string member = at.steps.empty() ? std::string() : at.steps.back().name;
        push(f, at.steps, member, at.value ? valueText(*at.value) : std::string(), pointerOf(at.steps));
        if (at.value && at.value->is_null())
            m_findings.back().value = QStringLiteral("null");
    }

    void pushUnknown(const Located &at, const std::string &name)
    {
        Steps steps = at.steps;
        steps.push_back({name, false});
        const json *extra =
            at.value && at.value->is_object() && at.value->contains(name) ? &(*at.value)[name] : nullptr;
        ValidationFinding f;
        f.kind = ErrorKind::Unknown;
        f.detail =
            QStringLiteral("Property '%1' has not been defined and the schema does not allow additional "
                           "properties.")
                .arg(q(name));
        f.message = FindingWords::unknownMember();
        push(f, steps, name, extra ? valueText(*extra) : std::string(), pointerOf(steps));
    }

    static std::string pointerOf(const Steps &steps)
    {
        std::string pointer;
        for (const auto &s : steps)
            pointer += '/' + JsonPositions::pointerStep(s.name);
        return pointer;
    }

    // Fills in where the finding sits: the path of its object and the form block.
    void push(ValidationFinding f, const Steps &steps, const std::string &member, const std::string &value,
              const std::string &pointer)
    {
        const Steps inner = schemaSteps(steps);
        QString root;
        // The member itself is the last step except for a missing one, which names its object.
        const size_t parentSteps =
            f.kind == ErrorKind::Required ? inner.size() : (inner.empty() ? 0 : inner.size() - 1);
        for (size_t i = 0; i < parentSteps; ++i) {
            if (inner[i].index)
                root += QStringLiteral("[%1]").arg(q(inner[i].name));
            else
                root += (root.isEmpty() ? QString() : QStringLiteral(".")) + q(inner[i].name);
        }
        // The form's blocks sit under the form root and form key ("FORM3CA", "F3CA").
        f.head = inner.size() > 2 ? q(inner[2].name) : inner.empty() ? QString() : q(inner.back().name);
        f.root = root;
        f.member = q(member);
        f.value = q(value);
        f.pointer = q(pointer);
        m_findings << f;
    }

    static std::string parentOf(const std::string &pointer) { return pointer.substr(0, pointer.rfind('/')); }

    // A missing or unknown member is shown at its nearest enclosing member in the file.
    void locate(const std::string &text)
    {
        std::unordered_set<std::string> wanted;
        for (const ValidationFinding &f : m_findings) {
            for (std::string p = f.pointer.toStdString();; p = parentOf(p)) {
                wanted.insert(p);
                if (p.empty())
                    break;
            }
        }
        const auto found = JsonPositions::locate(text, wanted);
        for (ValidationFinding &f : m_findings) {
            for (std::string p = f.pointer.toStdString();; p = parentOf(p)) {
                if (auto it = found.find(p); it != found.end()) {
                    f.line = it->second.line;
                    f.column = it->second.column;
                    break;
                }
                if (p.empty())
                    break;
            }
        }
        // The validator walks members in name order; the reader wants file order.
        std::stable_sort(m_findings.begin(), m_findings.end(), [](const auto &a, const auto &b) {
            return std::tie(a.line, a.column) < std::tie(b.line, b.column);
        });
    }

    const json &m_target;
    Steps m_prefix;
    const SchemaLookup &m_lookup;
    QList<ValidationFinding> m_findings;
};

} // namespace

JsonSchemaCheck::JsonSchemaCheck(const std::string &schemaText) : m_impl(std::make_unique<Impl>())
{
    m_impl->schemaDoc = SchemaReferences::parse(schemaText);
    if (const std::optional<std::string> refused = SchemaReferences::refusal(m_impl->schemaDoc))
        throw std::runtime_error("the schema cannot be used: " + *refused);
    try {
        valijson::SchemaParser parser(valijson::SchemaParser::kDraft4);
        valijson::adapters::NlohmannJsonAdapter adapter(m_impl->schemaDoc);
        parser.populateSchema(adapter, m_impl->schema);
        m_impl->compiled = CompiledSchema::compile(m_impl->schema, m_impl->schemaDoc);
    } catch (const json::exception &e) {
        throw SchemaReferences::notJson(e);
    } catch (const std::exception &e) {
        throw std::runtime_error(std::string("the schema cannot be used: ") + e.what());
    }
}

JsonSchemaCheck::~JsonSchemaCheck() = default;

namespace
{

ValidationFinding syntaxFinding(const std::string &text, size_t offset, const QString &message)
{
    ValidationFinding f;
    f.kind = ErrorKind::Syntax;
    const TextPosition at = JsonPositions::ofOffset(text, offset);
    f.line = at.line;
    f.column = at.column;
    f.message = message;
    return f;
}

// What the import would refuse in a file the portal's reading accepts (a member given twice).
std::optional<ValidationFinding> unreadable(const std::string &text)
{
    const JsonReading::Result read = JsonReading::read(QByteArrayView(text.data(), qsizetype(text.size())));
    if (read.readable())
        return std::nullopt;
    return syntaxFinding(text, size_t(read.offset),
                         QStringLiteral("The file cannot be read: %1").arg(read.fault));
}

// The document as the portal reads it: strict JSON, read once. The checks below walk it
// recursively, so a file nested deeper than any return is refused before it can exhaust the
// stack. Then what the import would refuse: our reader reads the text again only where it
// can take it differently (an escape anywhere, a member given twice, blanks in a name, a
// document that is no object or array, a nesting at its limit).
std::optional<ValidationFinding> readStrictly(const std::string &text, json &doc)
{
    StrictJsonBuilder builder(doc, JsonPositions::kMaxDepth, kLongString);
    try {
        json::sax_parse(text, &builder);
    } catch (const json::parse_error &e) {
        // The parser's own place ("parse error at line 3, column 9: ") is given as line and column.
        std::string what = e.what();
        if (const size_t colon = what.find(": "); colon != std::string::npos)
            what.erase(0, colon + 2);
        return syntaxFinding(
            text, e.byte > 0 ? e.byte - 1 : 0,
            QStringLiteral("The file is not valid JSON: %1").arg(QString::fromStdString(what)));
    }
    if (builder.tooDeep())
        return syntaxFinding(
            text, firstTooDeep(text),
            QStringLiteral("The file nests its members more than %1 levels deep; no e-filing "
                           "file does, and it is not checked further.")
                .arg(JsonPositions::kMaxDepth));
    if (builder.readerMayDiffer() || !doc.is_structured() || text.find('\\') != std::string::npos)
        return unreadable(text);
    return std::nullopt;
}

} // namespace

std::optional<ValidationFinding> JsonSchemaCheck::syntaxFault(const std::string &jsonText)
{
    json doc;
    return readStrictly(jsonText, doc);
}

// A conforming document, the common case, is read once without being built; any other is
// read again and checked by valijson, which words its faults.
QList<ValidationFinding> JsonSchemaCheck::run(std::string_view text) const
{
    if (m_impl->compiled) {
        switch (ConformingText::check(*m_impl->compiled, text, JsonPositions::kMaxDepth, kLongString)) {
        case ConformingText::Verdict::Conforms:
            return {};
        case ConformingText::Verdict::ConformsIfReadable:
            if (JsonReading::read(QByteArrayView(text.data(), qsizetype(text.size()))).readable())
                return {};
            break;
        case ConformingText::Verdict::Unsure:
            break;
        }
    }
    const std::string jsonText(text);
    json doc;
    if (std::optional<ValidationFinding> fault = readStrictly(jsonText, doc))
        return {*fault};
    const bool envelope = doc.is_object() && doc.contains("metadata") && doc.contains("data");
    const json &target = envelope ? doc["data"] : doc;
    const Steps prefix = envelope ? Steps{{"data", false}} : Steps{};

    valijson::Validator validator;
    valijson::ValidationResults results;
    valijson::adapters::NlohmannJsonAdapter adapter(target);
    validator.validate(m_impl->schema, adapter, &results);
    const SchemaLookup lookup(m_impl->schemaDoc);
    return Translator(target, prefix, lookup).findings(results, jsonText);
}
