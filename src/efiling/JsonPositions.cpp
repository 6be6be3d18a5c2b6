#include "JsonPositions.h"

#include <vector>

namespace JsonPositions
{

namespace
{

// A one-pass reader that follows the nesting and notes the positions asked for.
class Scanner
{
public:
    Scanner(const std::string &text, const std::unordered_set<std::string> &wanted,
            std::unordered_map<std::string, TextPosition> &found)
        : m_text(text), m_wanted(wanted), m_found(found)
    {
    }

    // The nesting is followed with a stack of its own, not by recursion: a hostile file
    // nested fifty thousand levels deep must not exhaust the program's stack.
    void run()
    {
        std::string root;
        note(root, here());
        skipBlanks();
        if (!atEnd())
            scan(root);
    }

private:
    struct Open {
        bool object;
        std::string pointer;
        size_t index = 0; // the next element's number, in an array
    };

    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    TextPosition here() const { return {m_line, m_column}; }

    void advance()
    {
        const unsigned char c = static_cast<unsigned char>(m_text[m_pos++]);
        if (c == '\n') {
            ++m_line;
            m_column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++m_column;
        }
    }

    void skipBlanks()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\r' || peek() == '\n'))
            advance();
    }

    void note(const std::string &pointer, TextPosition at)
    {
        if (m_wanted.count(pointer))
            m_found.emplace(pointer, at);
    }

    // Reads a string literal; returns false at the end of the text.
    bool string(std::string *out)
    {
        advance(); // opening quote
        while (!atEnd()) {
            const char c = peek();
            if (c == '"') {
                advance();
                return true;
            }
            if (c == '\\') {
                advance();
                if (atEnd())
                    return false;
                const char e = peek();
                if (out) {
                    // Member names carry plain characters; escapes in them are rare and
                    // kept as their letter, which is enough to tell members apart.
                    out->push_back(e == 'n' ? '\n' : e == 't' ? '\t' : e);
                }
                advance();
                continue;
            }
            if (out)
                out->push_back(c);
            advance();
        }
        return false;
    }

    // Reads the value that starts here: a scalar at once, an object or array by opening it
    // on the stack. False at a syntax error or the end of the text.
    bool value(const std::string &pointer, std::vector<Open> &stack)
    {
        skipBlanks();
        if (atEnd())
            return false;
        if ((peek() == '{' || peek() == '[') && stack.size() >= kMaxDepth)
            return false;
        switch (peek()) {
        case '{':
            advance();
            stack.push_back({true, pointer});
            return true;
        case '[':
            advance();
            stack.push_back({false, pointer});
            return true;
        case '"':
            return string(nullptr);
        default:
            // Numbers and literals run to the next delimiter.
            while (!atEnd() && peek() != ',' && peek() != '}' && peek() != ']' && peek() != ' ' &&
                   peek() != '\r' && peek() != '\n' && peek() != '\t')
                advance();
            return true;
        }
    }

    void scan(const std::string &root)
    {
        std::vector<Open> stack;
        if (!value(root, stack))
            return;
        while (!stack.empty()) {
            skipBlanks();
            if (atEnd())
                return;
            Open &top = stack.back();
            const char close = top.object ? '}' : ']';
            if (peek() == close) {
                advance();
                stack.pop_back();
                continue;
            }
            if (peek() == ',') {
                advance();
                continue;
            }
            std::string child;
            if (top.object) {
                if (peek() != '"')
                    return;
                const TextPosition at = here();
                std::string name;
                if (!string(&name))
                    return;
                child = top.pointer + '/' + pointerStep(name);
                note(child, at);
                skipBlanks();
                if (peek() != ':')
                    return;
                advance();
            } else {
                child = top.pointer + '/' + std::to_string(top.index++);
                note(child, here());
            }
            // `top` may dangle once value() has pushed onto the stack.
            if (!value(child, stack))
                return;
        }
    }

    const std::string &m_text;
    const std::unordered_set<std::string> &m_wanted;
    std::unordered_map<std::string, TextPosition> &m_found;
    size_t m_pos = 0;
    int m_line = 1;
    int m_column = 1;
};

} // namespace

std::unordered_map<std::string, TextPosition> locate(const std::string &text,
                                                     const std::unordered_set<std::string> &pointers)
{
    std::unordered_map<std::string, TextPosition> found;
    if (!pointers.empty())
        Scanner(text, pointers, found).run();
    return found;
}

TextPosition ofOffset(const std::string &text, size_t offset)
{
    TextPosition at{1, 1};
    for (size_t i = 0; i < offset && i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++at.line;
            at.column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++at.column;
        }
    }
    return at;
}

std::string pointerStep(const std::string &name)
{
    std::string out;
    out.reserve(name.size());
    for (const char c : name) {
        if (c == '~')
            out += "~0";
        else if (c == '/')
            out += "~1";
        else
            out += c;
    }
    return out;
}

} // namespace JsonPositions
