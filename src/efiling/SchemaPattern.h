#pragma once

#include <cstdint>
#include <memory>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

// A "pattern" of a JSON schema, answering what std::regex_search with the default
// (ECMAScript) grammar answers, as the validator asks it. The department's patterns are
// short: anchors, groups, alternatives, character classes and counted repetitions. Those
// are compiled once into a table (one step a byte, no backtracking); any other pattern is
// left to a std::regex compiled once.
class SchemaPattern
{
public:
    // Throws std::regex_error when std::regex refuses the pattern too.
    explicit SchemaPattern(const std::string &pattern);

    bool search(std::string_view text) const;
    // False when the pattern is left to std::regex.
    bool compiled() const { return !m_fallback; }

private:
    struct Program;
    bool build(const Program &program);

    // Byte -> class of bytes that every character set treats alike.
    uint8_t m_class[256] = {};
    int m_classes = 0;
    // Per state: the next state for each byte class, a match found, a match if the text ends here.
    std::vector<int32_t> m_next;
    std::vector<uint8_t> m_acceptNow;
    std::vector<uint8_t> m_acceptAtEnd;
    // No match can follow, whatever bytes come.
    std::vector<uint8_t> m_dead;
    std::unique_ptr<std::regex> m_fallback;
};
