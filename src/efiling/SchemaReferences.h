#pragma once

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <stdexcept>
#include <string>

// What a schema must be before the validator reads it: the validator follows "$ref"s and
// nesting by recursion, and a reference that comes back to where it started, one that
// leads nowhere or a schema nested without end overflows its stack. Neither the shipped
// schemas nor the department's refer to themselves.
namespace SchemaReferences
{

// Deeper than any published schema (they nest about a dozen levels).
constexpr int kMaxSchemaDepth = 64;

// The schema text parsed, refused with std::runtime_error naming the fault when it is not
// JSON or nests deeper than kMaxSchemaDepth.
nlohmann::json parse(const std::string &schemaText);
// The refusal of a schema the JSON library could not read, with the library's words.
std::runtime_error notJson(const std::exception &error);

// Why the validator cannot take the schema: a "$ref" outside the file, to a place the file
// does not have, or in a loop. Nothing when every reference leads to a schema of its own.
std::optional<std::string> refusal(const nlohmann::json &schema);

} // namespace SchemaReferences
