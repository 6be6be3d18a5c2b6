#include "JsonPositions.h"

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

    void run()
    {
        std::string root;
        note(root, here());
        value(root);
    }

private:
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

    bool value(const std::string &pointer)
    {
        skipBlanks();
        if (atEnd())
            return false;
        switch (peek()) {
        case '{':
            return object(pointer);
        case '[':
            return array(pointer);
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

    bool object(const std::string &pointer)
    {
        advance();
        for (;;) {
            skipBlanks();
            if (atEnd())
                return false;
            if (peek() == '}') {
                advance();
                return true;
            }
            if (peek() == ',') {
                advance();
                continue;
            }
            if (peek() != '"')
                return false;
            const TextPosition at = here();
            std::string name;
            if (!string(&name))
                return false;
            const std::string child = pointer + '/' + pointerStep(name);
            note(child, at);
            skipBlanks();
            if (peek() != ':')
                return false;
            advance();
            if (!value(child))
                return false;
        }
    }

    bool array(const std::string &pointer)
    {
        advance();
        size_t index = 0;
        for (;;) {
            skipBlanks();
            if (atEnd())
                return false;
            if (peek() == ']') {
                advance();
                return true;
            }
            if (peek() == ',') {
                advance();
                continue;
            }
            const std::string child = pointer + '/' + std::to_string(index++);
            note(child, here());
            if (!value(child))
                return false;
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
