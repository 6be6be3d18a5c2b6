#pragma once

#include "SchemaPattern.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <deque>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace valijson
{
class Schema;
class Subschema;
} // namespace valijson

// The rules of a JSON schema as valijson parsed them, laid out for a check that reads a
// document once without building it: per subschema the kinds of value it allows, its members
// by name, its limits, its code list and its pattern. Built only from the keywords the
// department's schemas use; a schema with any other keyword is not compiled, and its
// documents are always checked by valijson.
class CompiledSchema
{
public:
    enum Kind : uint8_t {
        Null = 1,
        Boolean = 2,
        Integer = 4,
        Float = 8,
        String = 16,
        Array = 32,
        Object = 64,
        AnyKind = 127
    };

    struct Node {
        uint8_t kinds = AnyKind;
        // Objects: the members it names (in "properties" or "required"), by name.
        std::vector<std::string> names;
        std::vector<const Node *> memberRules; // nullptr: the member is ruled by `others`
        std::unordered_map<std::string_view, int> index;
        std::vector<int> required;
        bool othersAllowed = true;
        const Node *others = nullptr; // nullptr: any value
        // Arrays.
        const Node *items = nullptr; // nullptr: any value
        uint64_t minItems = 0;
        uint64_t maxItems = std::numeric_limits<uint64_t>::max();
        // Strings, by their characters.
        uint64_t minLength = 0;
        uint64_t maxLength = std::numeric_limits<uint64_t>::max();
        std::vector<const SchemaPattern *> patterns;
        bool listed = false;
        std::vector<std::string> codes; // sorted: the code list of strings
        // Numbers.
        std::optional<double> minimum;
        bool exclusiveMinimum = false;
        std::optional<double> maximum;
        bool exclusiveMaximum = false;

        int memberIndex(std::string_view name) const
        {
            const auto it = index.find(name);
            return it == index.end() ? -1 : it->second;
        }
        bool allowsCode(std::string_view value) const;
    };

    // nullptr when the schema uses a rule this layout does not hold.
    static std::unique_ptr<CompiledSchema> compile(const valijson::Schema &schema,
                                                   const nlohmann::json &schemaDoc);

    const Node &root() const { return *m_root; }

private:
    std::deque<Node> m_nodes;
    std::deque<SchemaPattern> m_patterns;
    const Node *m_root = nullptr;

    friend class SchemaCompiler;
};
