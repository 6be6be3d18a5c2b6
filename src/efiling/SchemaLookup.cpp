#include "SchemaLookup.h"

namespace
{

std::string titleCase(std::string type)
{
    if (!type.empty())
        type[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(type[0])));
    return type;
}

} // namespace

const nlohmann::json *SchemaLookup::resolve(const nlohmann::json *node) const
{
    // A chain of references ends at a node without one; a loop gives up after a while.
    for (int hops = 0; node && node->is_object() && node->contains("$ref") && hops < 32; ++hops) {
        const auto &ref = (*node)["$ref"];
        if (!ref.is_string())
            return node;
        std::string target = ref.get<std::string>();
        if (target.rfind("#", 0) != 0)
            return nullptr;
        target.erase(0, 1);
        try {
            node = &m_schema.at(nlohmann::json::json_pointer(target));
        } catch (const nlohmann::json::exception &) {
            return nullptr;
        }
    }
    return node;
}

const nlohmann::json *SchemaLookup::at(const std::vector<Step> &path) const
{
    const nlohmann::json *node = resolve(&m_schema);
    for (const Step &step : path) {
        if (!node || !node->is_object())
            return nullptr;
        const nlohmann::json *next = nullptr;
        if (step.index) {
            if (auto items = node->find("items"); items != node->end()) {
                if (items->is_array()) {
                    const size_t i = std::stoul(step.name);
                    next = i < items->size() ? &(*items)[i] : nullptr;
                } else {
                    next = &*items;
                }
            }
        } else {
            if (auto props = node->find("properties"); props != node->end() && props->contains(step.name))
                next = &(*props)[step.name];
            else if (auto extra = node->find("additionalProperties");
                     extra != node->end() && extra->is_object())
                next = &*extra;
        }
        node = resolve(next);
    }
    return node;
}

std::string SchemaLookup::typeNames(const nlohmann::json &node)
{
    auto type = node.find("type");
    if (type == node.end())
        return {};
    if (type->is_string())
        return titleCase(type->get<std::string>());
    std::string names;
    for (const auto &t : *type) {
        if (!t.is_string())
            continue;
        if (!names.empty())
            names += ", ";
        names += titleCase(t.get<std::string>());
    }
    return names;
}
