#include "JsonLineWriter.h"

#include <algorithm>
#include <cstring>

namespace
{

// Appends the JSON string literal of a text, as UTF-8, escaping what needs it.
void appendEscapedLiteral(QByteArray &out, QStringView value)
{
    out += '"';
    const qsizetype n = value.size();
    for (qsizetype i = 0; i < n; ++i) {
        // A run of printable ASCII, most of any text, goes in at once.
        qsizetype end = i;
        while (end < n && value[end].unicode() >= 0x20 && value[end].unicode() < 0x80 && value[end] != u'"' &&
               value[end] != u'\\')
            ++end;
        if (end > i) {
            char run[256];
            while (i < end) {
                const qsizetype count = std::min<qsizetype>(end - i, sizeof run);
                for (qsizetype k = 0; k < count; ++k)
                    run[k] = char(value[i + k].unicode());
                out.append(run, count);
                i += count;
            }
            --i;
            continue;
        }
        const char16_t c = value[i].unicode();
        if (c >= 0x20 && c < 0x80) {
            if (c == '"' || c == '\\')
                out += '\\';
            out += char(c);
            continue;
        }
        switch (c) {
        case '\b':
            out += "\\b";
            continue;
        case '\f':
            out += "\\f";
            continue;
        case '\n':
            out += "\\n";
            continue;
        case '\r':
            out += "\\r";
            continue;
        case '\t':
            out += "\\t";
            continue;
        default:
            break;
        }
        if (c < 0x20) {
            out += QByteArray("\\u00") + QByteArray::number(c, 16).rightJustified(2, '0');
            continue;
        }
        // Everything else as UTF-8, a surrogate pair as one character.
        qsizetype run = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < n && value[i + 1].isLowSurrogate())
            run = 2;
        out += value.mid(i, run).toUtf8();
        i += run - 1;
    }
    out += '"';
}

// The same. Names and most values are printable ASCII without quotes or backslashes: they are
// copied into room made once.
void appendLiteral(QByteArray &out, QStringView value)
{
    const qsizetype start = out.size();
    out.resize(start + value.size() + 2);
    char *to = out.data() + start;
    *to++ = '"';
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u >= 0x80 || u == u'"' || u == u'\\') {
            out.truncate(start);
            appendEscapedLiteral(out, value);
            return;
        }
        *to++ = char(u);
    }
    *to = '"';
}

// A new line indented by `indent` spaces, after a comma if asked.
void appendLineStart(QByteArray &out, bool comma, qsizetype indent)
{
    const qsizetype start = out.size();
    out.resize(start + (comma ? 3 : 2) + indent);
    char *to = out.data() + start;
    if (comma)
        *to++ = ',';
    *to++ = '\r';
    *to++ = '\n';
    std::memset(to, ' ', size_t(indent));
}

// The same for UTF-8 text: bytes of characters beyond ASCII pass as they are.
void appendLiteral(QByteArray &out, QByteArrayView utf8)
{
    out += '"';
    qsizetype run = 0; // the start of the bytes not yet added
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out += utf8.sliced(run, i - run);
        run = i + 1;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
            continue;
        }
        // A control character: spelled as the UTF-16 text's literal spells it.
        out += JsonLineWriter::quoted(QString(QChar(c))).toUtf8().sliced(1).chopped(1);
    }
    out += utf8.sliced(run);
    out += '"';
}

// True for a number written as it stands: an optional "-", the whole part without a
// leading zero (or "0" alone) and optional decimals, nothing else. Most stored amounts are.
bool isCanonicalNumber(QStringView v)
{
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    qsizetype i = !v.isEmpty() && v[0] == u'-' ? 1 : 0;
    const qsizetype wholeStart = i;
    while (i < v.size() && digit(v[i]))
        ++i;
    const qsizetype whole = i - wholeStart;
    if (whole == 0 || (whole > 1 && v[wholeStart] == u'0'))
        return false;
    if (i < v.size() && v[i] == u'.') {
        const qsizetype fractionStart = ++i;
        while (i < v.size() && digit(v[i]))
            ++i;
        if (i == fractionStart)
            return false;
    }
    return i == v.size();
}

void appendAscii(QByteArray &out, QStringView ascii)
{
    const qsizetype start = out.size();
    out.resize(start + ascii.size());
    char *to = out.data() + start;
    for (const QChar c : ascii)
        *to++ = char(c.unicode());
}

void appendNumber(QByteArray &out, const QString &value)
{
    if (isCanonicalNumber(value))
        appendAscii(out, value);
    else
        out += JsonLineWriter::numberText(value).toUtf8();
}

} // namespace

JsonLineWriter::JsonLineWriter()
{
    // The document is one object; its braces stand at the margin.
    m_text = "{";
    m_stack.push_back(Level{});
}

void JsonLineWriter::startMember()
{
    Level &level = m_stack.back();
    const bool comma = level.hasMembers;
    level.hasMembers = true;
    // The root's braces stand at the margin and its members at 4: a member's indent is
    // two spaces per open level plus two, its closing line two spaces per open level.
    appendLineStart(m_text, comma, 2 * depth() + 2);
}

void JsonLineWriter::startNamedMember(const QString &name)
{
    startMember();
    appendLiteral(m_text, name);
    m_text.append(": ", 2);
}

void JsonLineWriter::appendQuoted(const QString &value)
{
    appendLiteral(m_text, value);
}

void JsonLineWriter::openObject(const QString &name)
{
    if (name.isEmpty())
        startMember();
    else
        startNamedMember(name);
    m_text += '{';
    m_stack.push_back(Level{});
}

void JsonLineWriter::openArray(const QString &name)
{
    startNamedMember(name);
    m_text += '[';
    m_stack.push_back(Level{true, false});
}

void JsonLineWriter::close()
{
    if (m_stack.size() <= 1)
        return;
    const bool array = m_stack.back().array;
    const int indent = 2 * depth();
    m_stack.pop_back();
    appendLineStart(m_text, false, indent);
    m_text += array ? ']' : '}';
}

void JsonLineWriter::text(const QString &name, const QString &value)
{
    startNamedMember(name);
    appendQuoted(value);
}

void JsonLineWriter::text(const QString &name, QByteArrayView utf8)
{
    startNamedMember(name);
    appendLiteral(m_text, utf8);
}

void JsonLineWriter::number(const QString &name, const QString &value)
{
    startNamedMember(name);
    appendNumber(m_text, value);
}

void JsonLineWriter::numberArray(const QString &name, const QString &value)
{
    startNamedMember(name);
    m_text += '[';
    appendNumber(m_text, value);
    m_text += ']';
}

QByteArray JsonLineWriter::bytes() const
{
    // Closing what is open here keeps the writer usable for a partial document after an error.
    QByteArray whole;
    whole.reserve(m_text.size() + 4 * qsizetype(m_stack.size()) + 8);
    whole += m_text;
    for (size_t i = m_stack.size(); i > 1; --i) {
        whole += "\r\n";
        whole.append(2 * qsizetype(i), ' ');
        whole += m_stack[i - 1].array ? ']' : '}';
    }
    whole += "\r\n}\r\n";
    return whole;
}

QString JsonLineWriter::quoted(const QString &value)
{
    QByteArray out;
    appendLiteral(out, value);
    return QString::fromUtf8(out);
}

QString JsonLineWriter::numberText(const QString &value)
{
    const QStringView v = QStringView(value).trimmed();
    if (v.isEmpty())
        return QStringLiteral("null");
    // sign? digits* (. digits*)? (e sign? digits+)?  with at least one digit before the exponent
    qsizetype i = 0;
    const qsizetype n = v.size();
    const bool negative = v[0] == u'-';
    if (v[0] == u'-' || v[0] == u'+')
        ++i;
    const qsizetype wholeStart = i;
    while (i < n && v[i].isDigit() && v[i].unicode() < 0x80)
        ++i;
    QStringView whole = v.mid(wholeStart, i - wholeStart);
    QStringView fraction;
    if (i < n && v[i] == u'.') {
        const qsizetype fractionStart = i;
        ++i;
        while (i < n && v[i].isDigit() && v[i].unicode() < 0x80)
            ++i;
        fraction = v.mid(fractionStart, i - fractionStart);
    }
    QStringView exponent;
    if (i < n && (v[i] == u'e' || v[i] == u'E')) {
        const qsizetype exponentStart = i++;
        if (i < n && (v[i] == u'+' || v[i] == u'-'))
            ++i;
        const qsizetype digits = i;
        while (i < n && v[i].isDigit() && v[i].unicode() < 0x80)
            ++i;
        exponent = i > digits ? v.mid(exponentStart, i - exponentStart) : QStringView(u"?");
    }
    if (i != n || exponent == u"?" || (whole.isEmpty() && fraction.size() <= 1))
        return quoted(value);
    while (whole.size() > 1 && whole[0] == u'0')
        whole = whole.mid(1);
    QString out;
    out.reserve(v.size() + 1);
    if (negative)
        out += u'-';
    out += whole.isEmpty() ? QStringView(u"0") : whole;
    if (fraction.size() > 1)
        out += fraction;
    out += exponent;
    return out;
}
