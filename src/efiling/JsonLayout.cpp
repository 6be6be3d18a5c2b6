#include "JsonLayout.h"

#include <algorithm>

namespace JsonLayout
{

namespace
{

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string indented(const std::string &text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    int level = 0;
    auto newLine = [&] {
        out += '\n';
        out.append(size_t(4 * std::max(level, 0)), ' ');
    };
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (blank(c))
            continue;
        switch (c) {
        case '"': {
            const size_t start = i++;
            while (i < n && text[i] != '"')
                i += text[i] == '\\' ? 2 : 1;
            out.append(text, start, std::min(i, n - 1) - start + 1);
            break;
        }
        case '{':
        case '[': {
            size_t next = i + 1;
            while (next < n && blank(text[next]))
                ++next;
            // An empty object or array stays on its line.
            if (next < n && text[next] == (c == '{' ? '}' : ']')) {
                out += c;
                out += text[next];
                i = next;
                break;
            }
            out += c;
            ++level;
            newLine();
            break;
        }
        case '}':
        case ']':
            --level;
            newLine();
            out += c;
            break;
        case ',':
            out += ',';
            newLine();
            break;
        case ':':
            out += ": ";
            break;
        default:
            out += c;
        }
    }
    out += '\n';
    return out;
}

} // namespace JsonLayout
