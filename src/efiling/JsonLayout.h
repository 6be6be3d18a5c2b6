#pragma once

#include <string>

// Lays JSON text out for reading: one member or element a line, four spaces a level.
// Strings, numbers and literals are copied as they stand (a number keeps its "1250.00"),
// and text that is no valid JSON is laid out as far as it goes, so its fault can still be
// found by line.
namespace JsonLayout
{

std::string indented(const std::string &text);

} // namespace JsonLayout
