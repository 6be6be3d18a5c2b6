#include "JsonSchemaCheck.h"

#include "CompiledSchema.h"
#include "ConformingText.h"
#include "FindingWords.h"
#include "JsonPositions.h"
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

bool startsWith(const std::string &text, const char *prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// Text between the last pair of single quotes: the member valijson names.
std::string quotedName(const std::string &description)
{
    const size_t close = description.rfind('\'');
    if (close == std::string::npos || close == 0)
        return {};
    const size_t open = description.rfind('\'', close - 1);
    return open == std::string::npos ? std::string() : description.substr(open + 1, close - open - 1);
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
        for (const auto &error : results)
            add(error);
        for (ValidationFinding &f : m_findings)
            FindingWords::compose(f);
        locate(text);
        return m_findings;
    }

private:
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

    void add(const valijson::ValidationResults::Error &error)
    {
        const std::string &d = error.description;
        // Wrappers that only repeat a fault already reported for a member below.
        if (startsWith(d, "Failed to validate against schema associated with") ||
            startsWith(d, "Failed to validate item #") ||
            startsWith(d, "Failed to validate against additional properties schema") ||
            startsWith(d, "Failed to validate against child schema") ||
            startsWith(d, "Failed to validate against corresponding item schema") ||
            startsWith(d, "Failed to validate against additional items schema"))
            return;

        Located at = walk(error.context);
        const json *rule = m_lookup.at(schemaSteps(at.steps));
        const std::string value = at.value ? valueText(*at.value) : std::string();
        ValidationFinding f;
        std::string member = at.steps.empty() ? std::string() : at.steps.back().name;

        if (startsWith(d, "Missing required property")) {
            // One finding per object, naming every missing member, as readers expect.
            const std::string name = quotedName(d);
            const std::string key = pointerOf(at.steps);
            if (auto it = m_requiredIndex.find(key); it != m_requiredIndex.end()) {
                ValidationFinding &same = m_findings[it->second];
                same.member += QStringLiteral(", ") + q(name);
                same.detail =
                    QStringLiteral("Required properties are missing from object: %1.").arg(same.member);
                return;
            }
            m_requiredIndex.emplace(key, m_findings.size());
            f.errorNo = ErrorKind::Required;
            member = name;
            f.detail = QStringLiteral("Required properties are missing from object: %1.").arg(q(name));
            push(f, at.steps, member, {}, key);
            return;
        }
        if (startsWith(d, "Object contains a property that could not be validated")) {
            // The validator stops at the first member it does not know; the user needs them all.
            for (const std::string &name : unknownMembers(at, rule, quotedName(d)))
                pushUnknown(at, name);
            return;
        }
        const QString shown = q(value);
        if (startsWith(d, "Value type not permitted")) {
            f.errorNo = ErrorKind::Type;
            f.detail = QStringLiteral("Invalid type. Expected %1 but got %2.")
                           .arg(q(rule ? SchemaLookup::typeNames(*rule) : std::string("?")),
                                q(at.value ? actualType(*at.value) : std::string("?")));
            f.message = FindingWords::wrongType(rule, at.value);
        } else if (startsWith(d, "Failed to match regex")) {
            f.errorNo = ErrorKind::Pattern;
            const std::string pattern =
                rule && rule->contains("pattern") ? (*rule)["pattern"].get<std::string>() : "";
            f.detail =
                QStringLiteral("String '%1' does not match regex pattern '%2'.").arg(shown, q(pattern));
            f.message = FindingWords::wrongPattern(rule, shown);
        } else if (startsWith(d, "Failed to match against any enum values")) {
            f.errorNo = ErrorKind::Enum;
            f.detail = QStringLiteral("Value \"%1\" is not defined in enum.").arg(shown);
            f.message = FindingWords::notListed(rule, shown);
        } else if (startsWith(d, "Expected number greater than")) {
            f.errorNo = ErrorKind::Minimum;
            const QString limit = q(limitText(rule, "minimum"));
            f.detail = QStringLiteral("%1 %2 is less than minimum value of %3.")
                           .arg(q(at.value ? actualType(*at.value) : "Number"), shown, limit);
            f.message = FindingWords::tooSmall(limit, shown);
        } else if (startsWith(d, "Expected number less than")) {
            f.errorNo = ErrorKind::Maximum;
            const QString limit = q(limitText(rule, "maximum"));
            f.detail = QStringLiteral("%1 %2 exceeds maximum value of %3.")
                           .arg(q(at.value ? actualType(*at.value) : "Number"), shown, limit);
            f.message = FindingWords::tooLarge(limit, shown);
        } else if (startsWith(d, "String should be no more than")) {
            f.errorNo = ErrorKind::Length;
            const QString limit = q(limitText(rule, "maxLength"));
            f.detail = QStringLiteral("String '%1' exceeds maximum length of %2.").arg(shown, limit);
            f.message = FindingWords::tooLong(limit, shown);
        } else if (startsWith(d, "String should be no fewer than")) {
            f.errorNo = ErrorKind::Length;
            const QString limit = q(limitText(rule, "minLength"));
            f.detail = QStringLiteral("String '%1' is less than minimum length of %2.").arg(shown, limit);
            f.message = FindingWords::tooShort(limit, shown);
        } else if (startsWith(d, "Array should contain no fewer than")) {
            f.errorNo = ErrorKind::Items;
            const qsizetype count = at.value ? qsizetype(at.value->size()) : 0;
            const QString limit = q(limitText(rule, "minItems"));
            f.detail =
                QStringLiteral("Array item count %1 is less than minimum count of %2.").arg(count).arg(limit);
            f.message = FindingWords::tooFewEntries(limit, count);
        } else if (startsWith(d, "Array should contain no more than")) {
            f.errorNo = ErrorKind::Items;
            const qsizetype count = at.value ? qsizetype(at.value->size()) : 0;
            const QString limit = q(limitText(rule, "maxItems"));
            f.detail =
                QStringLiteral("Array item count %1 exceeds maximum count of %2.").arg(count).arg(limit);
            f.message = FindingWords::tooManyEntries(limit, count);
        } else {
            f.errorNo = ErrorKind::Other;
            f.detail = q(d);
            f.message = q(d);
        }
        push(f, at.steps, member, value, pointerOf(at.steps));
        if (at.value && at.value->is_null())
            m_findings.back().value = QStringLiteral("null");
    }

    // The members of the object at `at` that its rule does not define, once per object: `named`
    // first, then the others in the object's order.
    std::vector<std::string> unknownMembers(const Located &at, const json *rule, const std::string &named)
    {
        std::vector<std::string> names;
        if (!m_unknownObjects.insert(pointerOf(at.steps)).second)
            return names;
        names.push_back(named);
        const json *defined =
            rule && rule->is_object() && rule->contains("properties") ? &(*rule)["properties"] : nullptr;
        if (!defined || !at.value || !at.value->is_object())
            return names;
        for (auto it = at.value->begin(); it != at.value->end(); ++it) {
            if (it.key() != named && !defined->contains(it.key()))
                names.push_back(it.key());
        }
        return names;
    }

    void pushUnknown(const Located &at, const std::string &name)
    {
        Steps steps = at.steps;
        steps.push_back({name, false});
        const json *extra =
            at.value && at.value->is_object() && at.value->contains(name) ? &(*at.value)[name] : nullptr;
        ValidationFinding f;
        f.errorNo = ErrorKind::Unknown;
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
            f.errorNo == ErrorKind::Required ? inner.size() : (inner.empty() ? 0 : inner.size() - 1);
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
    std::unordered_map<std::string, qsizetype> m_requiredIndex;
    std::unordered_set<std::string> m_unknownObjects; // objects whose unknown members are listed
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
        throw std::runtime_error(std::string("the schema is not JSON: ") + e.what());
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
    f.errorNo = ErrorKind::Syntax;
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
