#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

// Where things stand in a JSON text: a schema validator names the faulty member by its
// path, the user needs the line and column in the file. Lines and columns count from 1;
// columns count characters, not bytes.
struct TextPosition {
    int line = 0;
    int column = 0;
    bool found() const { return line > 0; }
};

namespace JsonPositions
{

// No e-filing file nests its members this deep (the import's reader stops at the same
// depth); members below it are not looked for.
constexpr size_t kMaxDepth = 256;

// The position of each wanted member, named by its JSON pointer ("/FORM3CA/F3CA/PAN",
// "/a/0/b"; "" is the document itself): a member's position is that of its name, an
// array element's that of its first character. A text with a syntax error is read up to
// the error; members beyond it, or deeper than kMaxDepth, are not found.
std::unordered_map<std::string, TextPosition> locate(const std::string &text,
                                                     const std::unordered_set<std::string> &pointers);

// The line and column of a byte offset.
TextPosition ofOffset(const std::string &text, size_t offset);

// A pointer step for a member name ("~" and "/" escaped as JSON pointers require).
std::string pointerStep(const std::string &name);

} // namespace JsonPositions
