#pragma once

#include "CompiledSchema.h"

#include <cstddef>
#include <string_view>

// Reads a JSON text once, without building it, and answers whether it surely reads as strict
// JSON and conforms to a compiled schema; it does not say what is wrong. The reading takes
// only what nlohmann's strict reading takes, each value as the check sees it (strings cut at
// `longString` bytes), and refuses whatever it is not sure of: a member given twice, a
// nesting at `maxDepth`, an escaped NUL, an upload envelope, a number beyond 64 bits. The
// check words the faults of a text this refuses the slow way, by valijson.
namespace ConformingText
{

enum class Verdict {
    Conforms,
    // Conforms, but holds an escape or a blank in a member's name, which our own reader of
    // files may take differently: that reader must accept the text too.
    ConformsIfReadable,
    Unsure
};

Verdict check(const CompiledSchema &schema, std::string_view text, std::size_t maxDepth,
              std::size_t longString);

} // namespace ConformingText
