#include "Json.h"
#include "cStringBuilder.h"

namespace
{

// Deep enough for any e-filing document (they nest about six levels), shallow enough that
// the recursive reader, the writer and the destructors stay far from the end of the stack.
constexpr int MaxDepth = 256;

// What a duplicate key reports, before ": " and the key.
constexpr char16_t DuplicateKey[] = u"This key is already associated with an element of this collection";

// Per thread so that a parse on a worker thread cannot clobber the errors another reads.
thread_local QString lastErrors;

bool isKeySpace(QChar c)
{
    return c == u'\r' || c == u'\n' || c == u'\t' || c == u' ';
}

bool isNumberCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' || c == u'E';
}

qsizetype skipDigits(QStringView text, qsizetype i)
{
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    return i;
}

// The decimal text of a number literal, or "" when the characters do not form a number.
// Signs, a missing digit before or after the point are accepted and written out the way
// strict JSON spells them ("+.5" gives "0.5", "7." gives "7"), so the writer's output is
// always valid JSON.
QString decimalText(QStringView run)
{
    qsizetype i = 0;
    QString decimal;
    if (i < run.size() && (run[i] == u'+' || run[i] == u'-')) {
        if (run[i] == u'-')
            decimal += u'-';
        ++i;
    }
    const qsizetype wholeStart = i;
    i = skipDigits(run, i);
    const QStringView whole = run.sliced(wholeStart, i - wholeStart);
    QStringView fraction;
    if (i < run.size() && run[i] == u'.') {
        const qsizetype fractionStart = ++i;
        i = skipDigits(run, i);
        fraction = run.sliced(fractionStart, i - fractionStart);
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return {};
    QStringView exponent;
    if (i < run.size() && (run[i] == u'e' || run[i] == u'E')) {
        const qsizetype exponentStart = i++;
        if (i < run.size() && (run[i] == u'+' || run[i] == u'-'))
            ++i;
        const qsizetype digitsStart = i;
        i = skipDigits(run, i);
        if (i == digitsStart)
            return {};
        exponent = run.sliced(exponentStart, i - exponentStart);
    }
    if (i != run.size())
        return {};
    decimal += whole.isEmpty() ? QStringView(u"0") : whole;
    if (!fraction.isEmpty()) {
        decimal += u'.';
        decimal += fraction;
    }
    decimal += exponent;
    return decimal;
}

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Reads one text from a position counted from 0 (errors show it counted from 1). Every
// step either consumes at least one character or stops the whole parse, so no input can
// make it loop; every read checks the end of the text first.
class Reader
{
public:
    explicit Reader(QStringView text) : m_text(text) {}

    std::optional<JsonValue> root();
    QString errors() const { return m_errors; }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar current() const { return atEnd() ? QChar() : m_text[m_pos]; }
    QString position() const { return QString::number(m_pos + 1); }
    QStringView rest() const { return m_text.sliced(m_pos); }

    void skip();
    std::optional<JsonValue> readValue();
    std::optional<JsonValue> readContainer();
    JsonValue readObject();
    JsonValue readArray();
    QString readKey();
    QString readString();
    void readEscape(cStringBuilder &text);
    std::optional<JsonValue> readNumber();
    std::optional<JsonValue> readLiteral(QStringView word, const JsonValue &value, QStringView failure);

    void error(const QString &line) { m_errors += line + QStringLiteral("\r\n"); }
    // After errors that consume nothing, reading on would only repeat them: the whole parse
    // ends and every open object and array keeps what it has.
    void stop(const QString &line)
    {
        error(line);
        m_stopped = true;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
    int m_depth = 0;
    bool m_stopped = false;
    QString m_errors;
};

std::optional<JsonValue> Reader::root()
{
    skip();
    if (current() != u'{' && current() != u'[') {
        error(QStringLiteral("Invalid JSON"));
        return std::nullopt;
    }
    return readContainer();
}

// White space, parentheses, "//" comments to the end of the line and "/*" comments to "*/"
// (or to the end of the text when never closed).
void Reader::skip()
{
    while (!atEnd()) {
        const QChar c = m_text[m_pos];
        if (isKeySpace(c) || c == u'(' || c == u')') {
            ++m_pos;
            continue;
        }
        if (c != u'/' || m_pos + 1 >= m_text.size())
            return;
        const QChar next = m_text[m_pos + 1];
        if (next == u'/') {
            m_pos += 2;
            while (!atEnd() && m_text[m_pos] != u'\n' && m_text[m_pos] != u'\r')
                ++m_pos;
        } else if (next == u'*') {
            const qsizetype close = m_text.indexOf(u"*/", m_pos + 2);
            m_pos = close < 0 ? m_text.size() : close + 2;
        } else {
            return;
        }
    }
}

// Nothing at the end of the text, or when the parse has stopped.
std::optional<JsonValue> Reader::readValue()
{
    skip();
    if (atEnd())
        return std::nullopt;
    switch (current().unicode()) {
    case u'{':
    case u'[':
        return readContainer();
    case u'"':
    case u'\'':
        return JsonValue(readString());
    case u't':
        return readLiteral(u"true", JsonValue(true), u"Invalid Boolean at position ");
    case u'f':
        return readLiteral(u"false", JsonValue(false), u"Invalid Boolean at position ");
    case u'n':
        return readLiteral(u"null", JsonValue(), u"Invalid null value at position ");
    }
    return readNumber();
}

std::optional<JsonValue> Reader::readContainer()
{
    if (m_depth == MaxDepth) {
        stop(QStringLiteral("Nesting too deep at position %1").arg(position()));
        return std::nullopt;
    }
    ++m_depth;
    JsonValue container = current() == u'{' ? readObject() : readArray();
    --m_depth;
    return container;
}

JsonValue Reader::readObject()
{
    JsonValue object = JsonValue::object();
    ++m_pos;
    while (!m_stopped) {
        skip();
        if (atEnd()) {
            error(QStringLiteral("Missing '}': %1").arg(m_text.right(20)));
            break;
        }
        if (current() == u'}') {
            ++m_pos;
            break;
        }
        if (current() == u',') {
            ++m_pos;
            continue;
        }
        const QString key = readKey();
        std::optional<JsonValue> value = readValue();
        if (!value)
            continue;
        if (!object.Add(key, std::move(*value))) {
            error(QStringLiteral("%1: %2").arg(QStringView(DuplicateKey), key));
            break;
        }
    }
    return object;
}

JsonValue Reader::readArray()
{
    JsonValue array = JsonValue::array();
    ++m_pos;
    while (!m_stopped) {
        skip();
        if (atEnd()) {
            error(QStringLiteral("Missing ']': %1").arg(m_text.right(20)));
            break;
        }
        if (current() == u']') {
            ++m_pos;
            break;
        }
        if (current() == u',') {
            ++m_pos;
            continue;
        }
        if (std::optional<JsonValue> value = readValue())
            array.Append(std::move(*value));
    }
    return array;
}

// Runs to the first ":" outside quotes. Quotes may open anywhere in the key; white space
// is dropped even inside them, and there are no escapes in keys.
QString Reader::readKey()
{
    QString key;
    QChar quote;
    while (!atEnd()) {
        const QChar c = m_text[m_pos];
        if (quote.isNull()) {
            if (c == u':') {
                ++m_pos;
                break;
            }
            if (c == u'"' || c == u'\'') {
                quote = c;
                ++m_pos;
                continue;
            }
        } else if (c == quote) {
            quote = QChar();
            ++m_pos;
            skip();
            if (current() != u':') {
                error(QStringLiteral("Invalid Key at position %1 : %2").arg(position(), key));
                break;
            }
            continue;
        }
        if (!isKeySpace(c))
            key += c;
        ++m_pos;
    }
    return key;
}

// Ends at the quote that opened it; an unterminated string keeps what it read.
QString Reader::readString()
{
    const QChar quote = m_text[m_pos++];
    cStringBuilder text;
    while (!atEnd()) {
        qsizetype end = m_pos;
        while (end < m_text.size() && m_text[end] != quote && m_text[end] != u'\\')
            ++end;
        text.Append(m_text.sliced(m_pos, end - m_pos));
        m_pos = end;
        if (atEnd())
            break;
        ++m_pos;
        if (m_text[m_pos - 1] == quote)
            break;
        if (!atEnd())
            readEscape(text);
    }
    return text.toString();
}

// The letter after a backslash. "\u" takes the next four hexadecimal digits as one UTF-16
// code unit, so a pair of escapes makes a surrogate pair and a lone one stays lone; without
// four digits the "u" stands for itself, like any letter that is not an escape.
void Reader::readEscape(cStringBuilder &text)
{
    const QChar letter = m_text[m_pos++];
    switch (letter.unicode()) {
    case u'b':
        text.Append(QChar(0x08));
        return;
    case u'f':
        text.Append(QChar(0x0C));
        return;
    case u'n':
        text.Append(QChar(u'\n'));
        return;
    case u'r':
        text.Append(QChar(u'\r'));
        return;
    case u't':
        text.Append(QChar(u'\t'));
        return;
    case u'u':
        if (m_pos + 4 <= m_text.size()) {
            char16_t code = 0;
            qsizetype i = 0;
            for (; i < 4 && hexDigit(m_text[m_pos + i]) >= 0; ++i)
                code = char16_t(code * 16 + hexDigit(m_text[m_pos + i]));
            if (i == 4) {
                text.Append(QChar(code));
                m_pos += 4;
                return;
            }
        }
        break;
    }
    text.Append(letter);
}

// The run of number characters. A run that reaches the end of the text gives no value: the
// text was cut off inside the number, so its last digits may be missing.
std::optional<JsonValue> Reader::readNumber()
{
    const qsizetype start = m_pos;
    while (!atEnd() && isNumberCharacter(m_text[m_pos]))
        ++m_pos;
    if (atEnd())
        return std::nullopt;
    const QString decimal = decimalText(m_text.sliced(start, m_pos - start));
    if (decimal.isEmpty()) {
        m_pos = start;
        stop(QStringLiteral("Invalid Number at position %1 : %2").arg(position(), rest().left(20)));
        return std::nullopt;
    }
    return JsonValue::number(decimal);
}

std::optional<JsonValue> Reader::readLiteral(QStringView word, const JsonValue &value, QStringView failure)
{
    if (rest().startsWith(word)) {
        m_pos += word.size();
        return value;
    }
    stop(QStringLiteral("%1%2 : %3").arg(failure, position(), rest()));
    return std::nullopt;
}

} // namespace

namespace JSON
{

std::optional<JsonValue> ParseJson(const QString &text)
{
    Reader reader(text);
    std::optional<JsonValue> root = reader.root();
    lastErrors = reader.errors();
    return root;
}

QString ParserErrors()
{
    return lastErrors;
}

} // namespace JSON
