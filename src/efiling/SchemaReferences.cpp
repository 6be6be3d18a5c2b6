#include "SchemaReferences.h"

#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <vector>

using nlohmann::json;

namespace SchemaReferences
{

namespace
{

// Every "$ref" text inside a schema, its own included.
void collectReferences(const json &node, std::set<std::string> &out)
{
    if (node.is_object()) {
        for (auto it = node.begin(); it != node.end(); ++it) {
            if (it.key() == "$ref" && it->is_string())
                out.insert(it->get<std::string>());
            else
                collectReferences(*it, out);
        }
    } else if (node.is_array()) {
        for (const json &item : node)
            collectReferences(item, out);
    }
}

// The schema a local reference ("#", "#/definitions/PAN") names, or nullptr.
const json *target(const json &schema, const std::string &reference)
{
    if (reference.empty() || reference.front() != '#')
        return nullptr;
    try {
        const json::json_pointer pointer(reference.substr(1));
        return schema.contains(pointer) ? &schema.at(pointer) : nullptr;
    } catch (const json::exception &) {
        return nullptr;
    }
}

enum class Mark { Open, Done };

// Follows the references out of `reference` depth first; the reference met again while it is
// still open closes a loop.
std::optional<std::string> loopFrom(const std::string &reference,
                                    const std::map<std::string, std::set<std::string>> &graph,
                                    std::map<std::string, Mark> &marks)
{
    struct Frame {
        std::string reference;
        std::set<std::string>::const_iterator next, end;
    };
    std::vector<Frame> stack;
    const auto enter = [&](const std::string &r) {
        marks[r] = Mark::Open;
        const std::set<std::string> &out = graph.at(r);
        stack.push_back({r, out.begin(), out.end()});
    };
    enter(reference);
    while (!stack.empty()) {
        Frame &top = stack.back();
        if (top.next == top.end) {
            marks[top.reference] = Mark::Done;
            stack.pop_back();
            continue;
        }
        const std::string &r = *top.next++;
        const auto mark = marks.find(r);
        if (mark == marks.end())
            enter(r);
        else if (mark->second == Mark::Open)
            return r;
    }
    return std::nullopt;
}

} // namespace

json parse(const std::string &schemaText)
{
    const json::parser_callback_t depthLimit = [](int depth, json::parse_event_t, json &) {
        if (depth > kMaxSchemaDepth)
            throw std::runtime_error("the schema nests its members more than " +
                                     std::to_string(kMaxSchemaDepth) + " levels deep");
        return true;
    };
    try {
        return json::parse(schemaText, depthLimit);
    } catch (const json::exception &e) {
        throw notJson(e);
    }
}

std::runtime_error notJson(const std::exception &error)
{
    return std::runtime_error(std::string("the schema is not JSON: ") + error.what());
}

std::optional<std::string> refusal(const json &schema)
{
    // The schemas each reference leads to, and the references inside each of them.
    std::map<std::string, std::set<std::string>> graph;
    std::vector<std::string> pending{"#"};
    while (!pending.empty()) {
        const std::string reference = pending.back();
        pending.pop_back();
        if (graph.count(reference))
            continue;
        const json *node = target(schema, reference);
        if (!node) {
            if (reference.empty() || reference.front() != '#')
                return "the schema refers to \"" + reference + "\" outside its own file";
            return "the schema refers to \"" + reference + "\", which it does not have";
        }
        std::set<std::string> &out = graph[reference];
        collectReferences(*node, out);
        pending.insert(pending.end(), out.begin(), out.end());
    }
    std::map<std::string, Mark> marks;
    if (const std::optional<std::string> loop = loopFrom("#", graph, marks))
        return "the schema's reference \"" + *loop + "\" leads back to itself";
    return std::nullopt;
}

} // namespace SchemaReferences
