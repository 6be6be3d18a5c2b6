#include "ConformingText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace ConformingText
{

namespace
{

using Node = CompiledSchema::Node;

// Bytes a string may hold as they are: printable ASCII but the quote and the backslash.
struct PlainBytes {
    bool plain[256] = {};
    constexpr PlainBytes()
    {
        for (int c = 0x20; c < 0x80; ++c)
            plain[c] = c != '"' && c != '\\';
    }
};
constexpr PlainBytes kPlain;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

constexpr uint64_t kEach = 0x0101010101010101ULL;
constexpr uint64_t kHigh = 0x8080808080808080ULL;

uint64_t eightAt(const char *p)
{
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Whether any of the eight bytes is zero (exact for the presence, as a whole).
constexpr uint64_t anyZero(uint64_t v)
{
    return (v - kEach) & ~v & kHigh;
}

// Whether eight bytes are all plain string bytes: no quote, backslash, control or non-ASCII byte.
constexpr bool allPlain(uint64_t v)
{
    const uint64_t control = (v - kEach * 0x20) & ~v & kHigh;
    return !(anyZero(v ^ (kEach * '"')) | anyZero(v ^ (kEach * '\\')) | control | (v & kHigh));
}

void appendUtf8(std::string &out, uint32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

class Reader
{
public:
    Reader(std::string_view text, size_t maxDepth, size_t longString)
        : m_at(text.data()), m_end(text.data() + text.size()), m_maxDepth(maxDepth), m_longString(longString)
    {
    }

    Verdict document(const Node &root)
    {
        blanks();
        // Only an object or an array is a document the check goes on with.
        if (m_at == m_end || (*m_at != '{' && *m_at != '['))
            return Verdict::Unsure;
        if (!value(&root))
            return Verdict::Unsure;
        blanks();
        if (m_at != m_end)
            return Verdict::Unsure;
        return m_escapes ? Verdict::ConformsIfReadable : Verdict::Conforms;
    }

private:
    // The indentation of a laid-out file is skipped eight spaces at a time.
    void blanks()
    {
        while (m_end - m_at >= 8 && eightAt(m_at) == kEach * ' ')
            m_at += 8;
        while (m_at != m_end && isBlank(*m_at))
            ++m_at;
    }

    bool take(char c)
    {
        if (m_at == m_end || *m_at != c)
            return false;
        ++m_at;
        return true;
    }

    // `rule` nullptr: any value, still read strictly.
    bool value(const Node *rule)
    {
        if (m_at == m_end)
            return false;
        switch (*m_at) {
        case '{':
            return allows(rule, CompiledSchema::Object) && object(rule);
        case '[':
            return allows(rule, CompiledSchema::Array) && array(rule);
        case '"': {
            std::string_view s;
            return string(s) && allows(rule, CompiledSchema::String) && (!rule || text(*rule, s));
        }
        case 't':
            return literal("true") && allows(rule, CompiledSchema::Boolean);
        case 'f':
            return literal("false") && allows(rule, CompiledSchema::Boolean);
        case 'n':
            return literal("null") && allows(rule, CompiledSchema::Null);
        default:
            return number(rule);
        }
    }

    // The kind is one the rule allows; a code list holds only strings.
    static bool allows(const Node *rule, uint8_t kind)
    {
        return !rule || ((rule->kinds & kind) && (!rule->listed || kind == CompiledSchema::String));
    }

    bool literal(std::string_view word)
    {
        if (size_t(m_end - m_at) < word.size() || std::string_view(m_at, word.size()) != word)
            return false;
        m_at += word.size();
        return true;
    }

    bool text(const Node &rule, std::string_view s) const
    {
        if (s.size() > m_longString)
            s = s.substr(0, m_longString);
        if (rule.minLength > 0 || rule.maxLength < std::numeric_limits<uint64_t>::max()) {
            uint64_t characters = 0;
            for (const char c : s)
                characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            if (characters < rule.minLength || characters > rule.maxLength)
                return false;
        }
        if (rule.listed && !rule.allowsCode(s))
            return false;
        for (const SchemaPattern *p : rule.patterns) {
            if (!p->search(s))
                return false;
        }
        return true;
    }

    bool number(const Node *rule)
    {
        const char *start = m_at;
        bool whole = true;
        take('-');
        if (m_at == m_end)
            return false;
        if (*m_at == '0') {
            ++m_at;
        } else if (*m_at >= '1' && *m_at <= '9') {
            digits();
        } else {
            return false;
        }
        if (take('.')) {
            whole = false;
            if (!digits())
                return false;
        }
        if (m_at != m_end && (*m_at == 'e' || *m_at == 'E')) {
            whole = false;
            ++m_at;
            if (!take('+'))
                take('-');
            if (!digits())
                return false;
        }
        // Only a limit needs the value; a fraction without exponent this short is a finite double.
        const bool limited = rule && (rule->minimum || rule->maximum);
        const bool finite =
            std::find(start, m_at, 'e') == m_at && std::find(start, m_at, 'E') == m_at && m_at - start < 300;
        double v = 0;
        if (whole) {
            // An integer beyond 64 bits is read as a float; one beyond int64 reads differently
            // as a double: both are left to the slow way.
            int64_t i = 0;
            const auto r = std::from_chars(start, m_at, i);
            if (r.ec != std::errc() || r.ptr != m_at)
                return false;
            v = double(i);
        } else if (limited || !finite) {
            const auto r = std::from_chars(start, m_at, v);
            if (r.ec != std::errc() || r.ptr != m_at)
                return false;
        }
        if (!rule)
            return true;
        if (!allows(rule, whole ? CompiledSchema::Integer : CompiledSchema::Float))
            return false;
        if (rule->minimum && (rule->exclusiveMinimum ? v <= *rule->minimum : v < *rule->minimum))
            return false;
        if (rule->maximum && (rule->exclusiveMaximum ? v >= *rule->maximum : v > *rule->maximum))
            return false;
        return true;
    }

    bool digits()
    {
        const char *start = m_at;
        while (m_at != m_end && *m_at >= '0' && *m_at <= '9')
            ++m_at;
        return m_at != start;
    }

    // One string: a view of the text, or of m_decoded when it holds escapes.
    bool string(std::string_view &out)
    {
        ++m_at;
        const char *start = m_at;
        bool decoded = false;
        for (;;) {
            const char *plain = m_at;
            while (m_end - m_at >= 8 && allPlain(eightAt(m_at)))
                m_at += 8;
            while (m_at != m_end && kPlain.plain[static_cast<unsigned char>(*m_at)])
                ++m_at;
            if (decoded)
                m_decoded.append(plain, size_t(m_at - plain));
            if (m_at == m_end)
                return false;
            const auto c = static_cast<unsigned char>(*m_at);
            if (c == '"') {
                out = decoded ? std::string_view(m_decoded) : std::string_view(start, size_t(m_at - start));
                ++m_at;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c == '\\') {
                if (!decoded) {
                    m_decoded.assign(start, size_t(m_at - start));
                    decoded = true;
                }
                if (!escape())
                    return false;
                m_escapes = true;
                continue;
            }
            const char *from = m_at;
            if (!utf8())
                return false;
            if (decoded)
                m_decoded.append(from, size_t(m_at - from));
        }
    }

    bool escape()
    {
        ++m_at;
        if (m_at == m_end)
            return false;
        const char c = *m_at++;
        switch (c) {
        case '"':
        case '\\':
        case '/':
            m_decoded += c;
            return true;
        case 'b':
            m_decoded += '\b';
            return true;
        case 'f':
            m_decoded += '\f';
            return true;
        case 'n':
            m_decoded += '\n';
            return true;
        case 'r':
            m_decoded += '\r';
            return true;
        case 't':
            m_decoded += '\t';
            return true;
        case 'u':
            break;
        default:
            return false;
        }
        uint32_t cp = 0;
        if (!hex(cp))
            return false;
        if (cp >= 0xDC00 && cp <= 0xDFFF)
            return false;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            uint32_t low = 0;
            if (!take('\\') || !take('u') || !hex(low) || low < 0xDC00 || low > 0xDFFF)
                return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        // A NUL ends the string for the validator's length: the slow way decides.
        if (cp == 0)
            return false;
        appendUtf8(m_decoded, cp);
        return true;
    }

    bool hex(uint32_t &cp)
    {
        if (m_end - m_at < 4)
            return false;
        for (int i = 0; i < 4; ++i) {
            const char c = *m_at++;
            cp <<= 4;
            if (c >= '0' && c <= '9')
                cp |= uint32_t(c - '0');
            else if (c >= 'a' && c <= 'f')
                cp |= uint32_t(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                cp |= uint32_t(c - 'A' + 10);
            else
                return false;
        }
        return true;
    }

    // One well-formed UTF-8 character of two to four bytes.
    bool utf8()
    {
        const auto lead = static_cast<unsigned char>(*m_at++);
        int follow = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            follow = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            follow = 2;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            follow = 3;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        for (int i = 0; i < follow; ++i) {
            if (m_at == m_end)
                return false;
            const auto c = static_cast<unsigned char>(*m_at++);
            if (c < low || c > high)
                return false;
            low = 0x80;
            high = 0xBF;
        }
        return true;
    }

    bool open()
    {
        // Our reader of files stops one level before nlohmann's reading.
        if (m_depth + 1 >= m_maxDepth)
            return false;
        ++m_depth;
        ++m_at;
        blanks();
        return m_at != m_end;
    }

    // After a member or an element: a comma, or the bracket that closes (`closed`).
    bool separator(char close, bool &closed)
    {
        blanks();
        if (take(',')) {
            blanks();
            return true;
        }
        closed = m_at != m_end && *m_at == close;
        return closed;
    }

    bool object(const Node *rule)
    {
        if (!open())
            return false;
        const bool root = m_depth == 1;
        const size_t names = rule ? rule->names.size() : 0;
        const size_t seenAt = m_seen.size();
        m_seen.resize(seenAt + (names + 63) / 64, 0);
        std::vector<std::string> others;
        if (*m_at != '}') {
            for (;;) {
                if (m_at == m_end || *m_at != '"')
                    return false;
                std::string_view name;
                if (!string(name))
                    return false;
                // A decoded name is kept: the value's strings are decoded into the same place.
                std::string decodedName;
                if (!m_decoded.empty() && name.data() == m_decoded.data()) {
                    decodedName = name;
                    name = decodedName;
                }
                if (root && (name == "metadata" || name == "data"))
                    return false;
                for (const char c : name) {
                    if (isBlank(c))
                        m_escapes = true;
                }
                const int index = rule ? rule->memberIndex(name) : -1;
                const Node *memberRule = nullptr;
                if (index >= 0) {
                    uint64_t &word = m_seen[seenAt + size_t(index) / 64];
                    const uint64_t bit = uint64_t(1) << (index % 64);
                    if (word & bit)
                        return false;
                    word |= bit;
                    memberRule = rule->memberRules[size_t(index)];
                } else {
                    for (const std::string &o : others) {
                        if (o == name)
                            return false;
                    }
                    others.emplace_back(name);
                }
                if (!memberRule && rule) {
                    if (!rule->othersAllowed)
                        return false;
                    memberRule = rule->others;
                }
                blanks();
                if (!take(':'))
                    return false;
                blanks();
                if (!value(memberRule))
                    return false;
                bool closed = false;
                if (!separator('}', closed))
                    return false;
                if (closed)
                    break;
            }
        }
        ++m_at;
        if (rule) {
            for (const int r : rule->required) {
                if (!(m_seen[seenAt + size_t(r) / 64] & (uint64_t(1) << (r % 64))))
                    return false;
            }
        }
        m_seen.resize(seenAt);
        --m_depth;
        return true;
    }

    bool array(const Node *rule)
    {
        if (!open())
            return false;
        uint64_t count = 0;
        if (*m_at != ']') {
            for (;;) {
                if (!value(rule ? rule->items : nullptr))
                    return false;
                ++count;
                bool closed = false;
                if (!separator(']', closed))
                    return false;
                if (closed)
                    break;
            }
        }
        ++m_at;
        --m_depth;
        return !rule || (count >= rule->minItems && count <= rule->maxItems);
    }

    const char *m_at;
    const char *m_end;
    size_t m_maxDepth;
    size_t m_longString;
    size_t m_depth = 0;
    bool m_escapes = false;
    std::string m_decoded;
    std::vector<uint64_t> m_seen;
};

} // namespace

Verdict check(const CompiledSchema &schema, std::string_view text, size_t maxDepth, size_t longString)
{
    return Reader(text, maxDepth, longString).document(schema.root());
}

} // namespace ConformingText
