#include "SchemaBreaches.h"

#include <algorithm>
#include <regex>

using nlohmann::json;

namespace SchemaBreaches
{

namespace
{

bool isType(const json &value, const std::string &type)
{
    if (type == "number")
        return value.is_number();
    if (type == "integer")
        return value.is_number_integer();
    if (type == "string")
        return value.is_string();
    if (type == "boolean")
        return value.is_boolean();
    if (type == "null")
        return value.is_null();
    if (type == "array")
        return value.is_array();
    if (type == "object")
        return value.is_object();
    return true;
}

bool typeAllowed(const json &type, const json &value)
{
    if (type.is_string())
        return isType(value, type.get<std::string>());
    if (!type.is_array())
        return true;
    for (const json &t : type) {
        if (!t.is_string() || isType(value, t.get<std::string>()))
            return true;
    }
    return false;
}

// Characters, not bytes, as the schema counts a text's length.
size_t characters(const std::string &text)
{
    size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

bool matches(const std::string &pattern, const std::string &text)
{
    try {
        return std::regex_search(text, std::regex(pattern));
    } catch (const std::regex_error &) {
        return true;
    }
}

bool exclusive(const json &rule, const char *key)
{
    const auto it = rule.find(key);
    return it != rule.end() && it->is_boolean() && it->get<bool>();
}

// Members an object may not have: neither among "properties" nor matched by a
// "patternProperties" name, where "additionalProperties" is false.
std::vector<std::string> undefinedMembers(const json &rule, const json &value)
{
    const auto extra = rule.find("additionalProperties");
    if (extra == rule.end() || !extra->is_boolean() || extra->get<bool>())
        return {};
    const auto props = rule.find("properties");
    const auto patterns = rule.find("patternProperties");
    std::vector<std::string> names;
    for (auto it = value.begin(); it != value.end(); ++it) {
        if (props != rule.end() && props->is_object() && props->contains(it.key()))
            continue;
        bool matched = false;
        if (patterns != rule.end() && patterns->is_object()) {
            for (auto p = patterns->begin(); p != patterns->end() && !matched; ++p)
                matched = matches(p.key(), it.key());
        }
        if (!matched)
            names.push_back(it.key());
    }
    return names;
}

std::vector<std::string> missingMembers(const json &rule, const json &value)
{
    const auto required = rule.find("required");
    std::vector<std::string> names;
    if (required == rule.end() || !required->is_array())
        return names;
    for (const json &name : *required) {
        if (name.is_string() && !value.contains(name.get<std::string>()))
            names.push_back(name.get<std::string>());
    }
    return names;
}

} // namespace

std::vector<Breach> of(const json &rule, const json &value)
{
    std::vector<Breach> found;
    if (!rule.is_object())
        return found;
    const auto limit = [&rule](const char *key) -> const json * {
        const auto it = rule.find(key);
        return it != rule.end() && it->is_number() ? &*it : nullptr;
    };
    const auto add = [&found](ErrorKind kind, const char *keyword) { found.push_back({kind, keyword, {}}); };

    if (const auto e = rule.find("enum");
        e != rule.end() && e->is_array() && std::find(e->begin(), e->end(), value) == e->end())
        add(ErrorKind::Enum, "enum");
    if (value.is_number()) {
        const double v = value.get<double>();
        if (const json *max = limit("maximum"))
            if (exclusive(rule, "exclusiveMaximum") ? v >= max->get<double>() : v > max->get<double>())
                add(ErrorKind::Maximum, "maximum");
    }
    if (value.is_array())
        if (const json *max = limit("maxItems"); max && value.size() > max->get<size_t>())
            add(ErrorKind::Items, "maxItems");
    if (value.is_string())
        if (const json *max = limit("maxLength");
            max && characters(value.get<std::string>()) > max->get<size_t>())
            add(ErrorKind::Length, "maxLength");
    if (value.is_number()) {
        const double v = value.get<double>();
        if (const json *min = limit("minimum"))
            if (exclusive(rule, "exclusiveMinimum") ? v <= min->get<double>() : v < min->get<double>())
                add(ErrorKind::Minimum, "minimum");
    }
    if (value.is_array())
        if (const json *min = limit("minItems"); min && value.size() < min->get<size_t>())
            add(ErrorKind::Items, "minItems");
    if (value.is_string())
        if (const json *min = limit("minLength");
            min && characters(value.get<std::string>()) < min->get<size_t>())
            add(ErrorKind::Length, "minLength");
    if (const auto p = rule.find("pattern"); p != rule.end() && p->is_string() && value.is_string() &&
                                             !matches(p->get<std::string>(), value.get<std::string>()))
        add(ErrorKind::Pattern, "pattern");
    if (value.is_object()) {
        if (std::vector<std::string> names = undefinedMembers(rule, value); !names.empty())
            found.push_back({ErrorKind::Unknown, "additionalProperties", std::move(names)});
        if (std::vector<std::string> names = missingMembers(rule, value); !names.empty())
            found.push_back({ErrorKind::Required, "required", std::move(names)});
    }
    if (const auto t = rule.find("type"); t != rule.end() && !typeAllowed(*t, value))
        add(ErrorKind::Type, "type");
    return found;
}

} // namespace SchemaBreaches
