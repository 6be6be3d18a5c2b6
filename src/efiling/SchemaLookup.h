#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// Finds the part of a JSON schema that governs a member of a document, following
// "properties", "items", "additionalProperties" and local "$ref"s ("#/definitions/x"),
// so that a finding can say what the schema expected (its type, pattern, limits).
class SchemaLookup
{
public:
    struct Step {
        std::string name; // member name, or the index as text
        bool index = false;
    };

    explicit SchemaLookup(const nlohmann::json &schema) : m_schema(schema) {}

    // The subschema for the path, or nullptr where the schema says nothing.
    const nlohmann::json *at(const std::vector<Step> &path) const;

    // "Number", "String, Null" ...: the types the schema allows at the node.
    static std::string typeNames(const nlohmann::json &node);

    // The node a chain of local references ends at; nullptr for one that leads nowhere.
    const nlohmann::json *resolve(const nlohmann::json *node) const;

private:

    const nlohmann::json &m_schema;
};
