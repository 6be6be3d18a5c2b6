#include "Json.h"
#include "cStringBuilder.h"

#include <QHash>
#include <type_traits>

namespace
{

// Deep enough for any e-filing document (they nest about six levels), shallow enough that
// the recursive reader, the writer and the destructors stay far from the end of the stack.
constexpr int MaxDepth = 256;

// Per thread so that a parse on a worker thread cannot clobber the errors another reads.
thread_local QString lastErrors;
thread_local qsizetype lastErrorOffset = -1;

bool isKeySpace(char16_t c)
{
    return c == u'\r' || c == u'\n' || c == u'\t' || c == u' ';
}

bool isNumberCharacter(char16_t c)
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

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// The two kinds of text the reader takes: UTF-16 (a QString) and the UTF-8 bytes of a file,
// read as they are so that a large file is never held a second time as UTF-16. Everything
// the reader looks at to find its way is ASCII, the same in both; only the texts it keeps
// are converted.
struct Utf16Text {
    using View = QStringView;
    static char16_t code(QChar c) { return c.unicode(); }
    static QString text(View v) { return v.toString(); }
    static bool startsWith(View v, QStringView word) { return v.startsWith(word); }
};

struct Utf8Text {
    using View = QByteArrayView;
    // Bytes of a multi-byte character read as codes of 0x80 and above: none is ASCII.
    static char16_t code(char c) { return char16_t(static_cast<unsigned char>(c)); }
    static QString text(View v) { return QString::fromUtf8(v); }
    static bool startsWith(View v, QStringView word)
    {
        if (v.size() < word.size())
            return false;
        for (qsizetype i = 0; i < word.size(); ++i) {
            if (code(v[i]) != word[i].unicode())
                return false;
        }
        return true;
    }
};

// Reads one text from a position counted from 0 (errors show it counted from 1, in the
// units of the text). Every step either consumes at least one unit or stops the whole
// parse, so no input can make it loop; every read checks the end of the text first.
template <typename Text> class Reader
{
public:
    using View = typename Text::View;
    Reader(View text, JSON::ElementSink *sink) : m_text(text), m_sink(sink) {}

    std::optional<JsonValue> root();
    QString errors() const { return m_errors; }
    qsizetype firstErrorOffset() const { return m_firstErrorAt; }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    char16_t at(qsizetype i) const { return Text::code(m_text[i]); }
    char16_t current() const { return atEnd() ? char16_t(0) : at(m_pos); }
    QString position() const { return QString::number(m_pos + 1); }
    View rest() const { return m_text.sliced(m_pos); }
    static QString shown(View v) { return Text::text(v); }

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

    void error(const QString &line) { error(line, m_pos); }
    void error(const QString &line, qsizetype at)
    {
        if (m_firstErrorAt < 0)
            m_firstErrorAt = std::min(at, m_text.size());
        m_errors += line + QStringLiteral("\r\n");
    }
    // After errors that consume nothing, reading on would only repeat them: the whole parse
    // ends and every open object and array keeps what it has.
    void stop(const QString &line)
    {
        error(line);
        m_stopped = true;
    }
    // Each key is kept once: a file repeats the same few dozen keys in every row.
    QString shared(const QString &key);

    View m_text;
    JSON::ElementSink *m_sink;
    QStringList m_path;       // the keys from the root to the value being read
    int m_inTakenElement = 0; // an element the sink takes is handed over whole
    QHash<QString, QString> m_keys;
    qsizetype m_pos = 0;
    qsizetype m_firstErrorAt = -1;
    int m_depth = 0;
    bool m_stopped = false;
    QString m_errors;
};

template <typename Text> std::optional<JsonValue> Reader<Text>::root()
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
template <typename Text> void Reader<Text>::skip()
{
    while (!atEnd()) {
        const char16_t c = at(m_pos);
        if (isKeySpace(c) || c == u'(' || c == u')') {
            ++m_pos;
            continue;
        }
        if (c != u'/' || m_pos + 1 >= m_text.size())
            return;
        const char16_t next = at(m_pos + 1);
        if (next == u'/') {
            m_pos += 2;
            while (!atEnd() && at(m_pos) != u'\n' && at(m_pos) != u'\r')
                ++m_pos;
        } else if (next == u'*') {
            qsizetype close = m_pos + 2;
            while (close + 1 < m_text.size() && !(at(close) == u'*' && at(close + 1) == u'/'))
                ++close;
            m_pos = close + 1 < m_text.size() ? close + 2 : m_text.size();
        } else {
            return;
        }
    }
}

// Nothing at the end of the text, or when the parse has stopped.
template <typename Text> std::optional<JsonValue> Reader<Text>::readValue()
{
    skip();
    if (atEnd())
        return std::nullopt;
    switch (current()) {
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

template <typename Text> std::optional<JsonValue> Reader<Text>::readContainer()
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

template <typename Text> JsonValue Reader<Text>::readObject()
{
    JsonValue object = JsonValue::object();
    ++m_pos;
    while (!m_stopped) {
        skip();
        if (atEnd()) {
            error(QStringLiteral("Missing '}': %1")
                      .arg(shown(m_text.last(std::min<qsizetype>(20, m_text.size())))));
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
        const qsizetype keyAt = m_pos;
        const QString key = shared(readKey());
        m_path.append(key);
        std::optional<JsonValue> value = readValue();
        m_path.removeLast();
        if (!value)
            continue;
        if (!object.Add(key, std::move(*value))) {
            error(QStringLiteral("%1: %2").arg(JSON::DuplicateKey, key), keyAt);
            break;
        }
    }
    return object;
}

template <typename Text> JsonValue Reader<Text>::readArray()
{
    JsonValue array = JsonValue::array();
    ++m_pos;
    const bool taken = m_sink && m_inTakenElement == 0 && m_sink->takes(m_path);
    while (!m_stopped) {
        skip();
        if (atEnd()) {
            error(QStringLiteral("Missing ']': %1")
                      .arg(shown(m_text.last(std::min<qsizetype>(20, m_text.size())))));
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
        if (!taken) {
            if (std::optional<JsonValue> value = readValue())
                array.Append(std::move(*value));
            continue;
        }
        ++m_inTakenElement;
        std::optional<JsonValue> value = readValue();
        --m_inTakenElement;
        if (value)
            m_sink->element(m_path, std::move(*value));
    }
    array.squeeze();
    return array;
}

template <typename Text> QString Reader<Text>::shared(const QString &key)
{
    const auto found = m_keys.constFind(key);
    if (found != m_keys.cend())
        return *found;
    m_keys.insert(key, key);
    return key;
}

// Runs to the first ":" outside quotes. Quotes may open anywhere in the key; white space
// is dropped even inside them, and there are no escapes in keys.
template <typename Text> QString Reader<Text>::readKey()
{
    QString key;
    char16_t quote = 0;
    qsizetype run = m_pos; // the start of the characters not yet added to the key
    const auto keep = [&](qsizetype end) {
        if (end > run)
            key += shown(m_text.sliced(run, end - run));
    };
    while (!atEnd()) {
        const char16_t c = at(m_pos);
        if (quote == 0) {
            if (c == u':') {
                keep(m_pos);
                ++m_pos;
                return key;
            }
            if (c == u'"' || c == u'\'') {
                keep(m_pos);
                quote = c;
                run = ++m_pos;
                continue;
            }
        } else if (c == quote) {
            keep(m_pos);
            quote = 0;
            ++m_pos;
            skip();
            run = m_pos;
            if (current() != u':') {
                error(QStringLiteral("Invalid Key at position %1 : %2").arg(position(), key));
                return key;
            }
            continue;
        }
        if (isKeySpace(c)) {
            keep(m_pos);
            run = m_pos + 1;
        }
        ++m_pos;
    }
    keep(m_pos);
    return key;
}

// Ends at the quote that opened it; an unterminated string keeps what it read.
template <typename Text> QString Reader<Text>::readString()
{
    const char16_t quote = at(m_pos++);
    qsizetype end = m_pos;
    while (end < m_text.size() && at(end) != quote && at(end) != u'\\')
        ++end;
    // Most strings hold no escape: they are converted straight from the text.
    if (end < m_text.size() && at(end) == quote) {
        const QString plain = shown(m_text.sliced(m_pos, end - m_pos));
        m_pos = end + 1;
        return plain;
    }
    cStringBuilder text;
    while (!atEnd()) {
        end = m_pos;
        while (end < m_text.size() && at(end) != quote && at(end) != u'\\')
            ++end;
        if (end > m_pos)
            text.Append(shown(m_text.sliced(m_pos, end - m_pos)));
        m_pos = end;
        if (atEnd())
            break;
        ++m_pos;
        if (at(m_pos - 1) == quote)
            break;
        if (!atEnd())
            readEscape(text);
    }
    return text.toString();
}

// The letter after a backslash. "\u" takes the next four hexadecimal digits as one UTF-16
// code unit, so a pair of escapes makes a surrogate pair and a lone one stays lone; without
// four digits the "u" stands for itself, like any letter that is not an escape.
template <typename Text> void Reader<Text>::readEscape(cStringBuilder &text)
{
    const char16_t letter = at(m_pos);
    // A character beyond ASCII after a backslash stands for itself: it is left in the text.
    if (std::is_same_v<Text, Utf8Text> && letter >= 0x80)
        return;
    ++m_pos;
    switch (letter) {
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
            for (; i < 4 && hexDigit(at(m_pos + i)) >= 0; ++i)
                code = char16_t(code * 16 + hexDigit(at(m_pos + i)));
            if (i == 4) {
                text.Append(QChar(code));
                m_pos += 4;
                return;
            }
        }
        break;
    }
    text.Append(QChar(letter));
}

// The run of number characters. A run that reaches the end of the text gives no value: the
// text was cut off inside the number, so its last digits may be missing.
template <typename Text> std::optional<JsonValue> Reader<Text>::readNumber()
{
    const qsizetype start = m_pos;
    while (!atEnd() && isNumberCharacter(at(m_pos)))
        ++m_pos;
    if (atEnd())
        return std::nullopt;
    const QString decimal = decimalText(shown(m_text.sliced(start, m_pos - start)));
    if (decimal.isEmpty()) {
        m_pos = start;
        stop(QStringLiteral("Invalid Number at position %1 : %2")
                 .arg(position(), shown(rest().first(std::min<qsizetype>(20, rest().size())))));
        return std::nullopt;
    }
    return JsonValue::number(decimal);
}

template <typename Text>
std::optional<JsonValue> Reader<Text>::readLiteral(QStringView word, const JsonValue &value,
                                                   QStringView failure)
{
    if (Text::startsWith(rest(), word)) {
        m_pos += word.size();
        return value;
    }
    stop(QStringLiteral("%1%2 : %3").arg(failure, position(), shown(rest())));
    return std::nullopt;
}

} // namespace

namespace JSON
{

std::optional<JsonValue> ParseJson(const QString &text)
{
    Reader<Utf16Text> reader(text, nullptr);
    std::optional<JsonValue> root = reader.root();
    lastErrors = reader.errors();
    lastErrorOffset = reader.firstErrorOffset();
    return root;
}

std::optional<JsonValue> ParseJsonUtf8(QByteArrayView text, ElementSink *sink)
{
    Reader<Utf8Text> reader(text, sink);
    std::optional<JsonValue> root = reader.root();
    lastErrors = reader.errors();
    lastErrorOffset = reader.firstErrorOffset();
    return root;
}

QString ParserErrors()
{
    return lastErrors;
}

qsizetype ParserErrorOffset()
{
    return lastErrorOffset;
}

} // namespace JSON
