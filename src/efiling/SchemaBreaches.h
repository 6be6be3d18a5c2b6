#pragma once

#include "ValidationFinding.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// Which rules of a schema node a value breaks, read from the node's keywords ("type",
// "pattern", "minimum", "required" ...) as the validator applies them: with strict types,
// each rule only to the values it is about (a pattern to texts, a minimum to numbers). A
// validator's report says where a check failed; this says why, whatever words it uses.
namespace SchemaBreaches
{

struct Breach {
    ErrorKind kind = ErrorKind::Other;
    std::string keyword;            // "minLength", "maxLength", "required" ...
    std::vector<std::string> names; // the members missing (Required) or not defined (Unknown)
};

// The rules of `rule` (a resolved schema node) that `value` breaks, in the order the
// validator checks them; none where the value keeps every rule the node states itself.
std::vector<Breach> of(const nlohmann::json &rule, const nlohmann::json &value);

} // namespace SchemaBreaches
