#include "JsonLineWriter.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>
#include <mutex>

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

// Printable ASCII without quotes or backslashes, as most names and values are: copied as
// they stand.
bool isPlain(char16_t u)
{
    return u >= 0x20 && u < 0x80 && u != u'"' && u != u'\\';
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

// What a writer with a sink holds before passing it on.
constexpr qsizetype kSinkChunk = 1 << 20;
// Attachment bytes encoded at a time: a multiple of 3, so that only the last piece is padded.
constexpr qsizetype kBase64Piece = 3 * 16384;

// The chunks of finished documents, kept for the next: writing into pages the system has
// just handed out costs more than the text written into them, and a firm writes one report
// after another.
class ChunkPool
{
public:
    static ChunkPool &instance()
    {
        static ChunkPool pool;
        return pool;
    }

    QByteArray take(qsizetype size)
    {
        if (size == kSinkChunk) {
            const std::lock_guard lock(m_mutex);
            if (!m_free.empty()) {
                QByteArray chunk = std::move(m_free.back());
                m_free.pop_back();
                chunk.resize(size);
                return chunk;
            }
        }
        return QByteArray(size, Qt::Uninitialized);
    }

    void give(QByteArray &&chunk)
    {
        if (chunk.capacity() < kSinkChunk || !chunk.isDetached())
            return;
        const std::lock_guard lock(m_mutex);
        if (m_free.size() < kKept)
            m_free.push_back(std::move(chunk));
    }

private:
    // Enough for the attachments of a report of a few hundred thousand rows.
    static constexpr size_t kKept = 64;
    std::mutex m_mutex;
    std::vector<QByteArray> m_free;
};

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Standard Base64 with padding and without line breaks, as QByteArray::toBase64 writes it;
// `to` has room for 4 bytes per 3 of data, rounded up.
char *encodeBase64(QByteArrayView data, char *to)
{
    const auto *from = reinterpret_cast<const unsigned char *>(data.data());
    const qsizetype whole = data.size() / 3 * 3;
    for (qsizetype i = 0; i < whole; i += 3) {
        const unsigned v = unsigned(from[i]) << 16 | unsigned(from[i + 1]) << 8 | from[i + 2];
        *to++ = kBase64[v >> 18];
        *to++ = kBase64[(v >> 12) & 63];
        *to++ = kBase64[(v >> 6) & 63];
        *to++ = kBase64[v & 63];
    }
    const qsizetype left = data.size() - whole;
    if (left > 0) {
        const unsigned v = unsigned(from[whole]) << 16 | (left == 2 ? unsigned(from[whole + 1]) << 8 : 0u);
        *to++ = kBase64[v >> 18];
        *to++ = kBase64[(v >> 12) & 63];
        *to++ = left == 2 ? kBase64[(v >> 6) & 63] : '=';
        *to++ = '=';
    }
    return to;
}

} // namespace

JsonLineWriter::Name::Name(const QString &name)
{
    JsonLineWriter w;
    w.appendQuoted(name);
    w.append(": ", 2);
    m_literal = w.m_text.first(w.m_used).sliced(1);
}

JsonLineWriter::JsonLineWriter()
{
    // The document is one object; its braces stand at the margin.
    append('{');
    m_stack.push_back(Level{});
}

JsonLineWriter::JsonLineWriter(QIODevice *sink) : JsonLineWriter()
{
    m_sink = sink;
}

JsonLineWriter::~JsonLineWriter()
{
    if (!m_sink && !m_branch)
        return;
    ChunkPool::instance().give(std::move(m_text));
    for (QByteArray &chunk : m_chunks)
        ChunkPool::instance().give(std::move(chunk));
}

char *JsonLineWriter::room(qsizetype n)
{
    if (m_used + n <= m_text.size())
        return m_text.data() + m_used;
    if (m_sink) {
        passToSink();
        if (m_text.size() < n || m_text.size() < kSinkChunk)
            m_text = ChunkPool::instance().take(std::max(kSinkChunk, n));
        return m_text.data();
    }
    if (m_branch) {
        // A branch's text waits in chunks: one text grown to megabytes would be copied each
        // time it doubled.
        if (m_used > 0) {
            m_text.truncate(m_used);
            m_chunks.push_back(std::move(m_text));
        }
        m_text = ChunkPool::instance().take(std::max(kSinkChunk, n));
        m_used = 0;
        return m_text.data();
    }
    m_text.resize(std::max<qsizetype>(2 * m_text.size(), std::max<qsizetype>(m_used + n, 4096)));
    return m_text.data() + m_used;
}

void JsonLineWriter::passToSink()
{
    if (m_used > 0 && m_sink->write(m_text.constData(), m_used) != m_used)
        m_sinkFailed = true;
    m_used = 0;
}

void JsonLineWriter::append(const char *bytes, qsizetype n)
{
    std::memcpy(room(n), bytes, size_t(n));
    m_used += n;
}

void JsonLineWriter::appendQuoted(QStringView value)
{
    char *to = room(value.size() + 2);
    char *const start = to;
    *to++ = '"';
    for (const QChar c : value) {
        if (!isPlain(c.unicode())) {
            QByteArray escaped;
            appendEscapedLiteral(escaped, value);
            append(escaped.constData(), escaped.size());
            return;
        }
        *to++ = char(c.unicode());
    }
    *to++ = '"';
    m_used += to - start;
}

void JsonLineWriter::appendNumber(QStringView value)
{
    if (!isCanonicalNumber(value)) {
        const QByteArray text = numberText(value.toString()).toUtf8();
        append(text.constData(), text.size());
        return;
    }
    char *to = room(value.size());
    for (const QChar c : value)
        *to++ = char(c.unicode());
    m_used += value.size();
}

void JsonLineWriter::startMember()
{
    Level &level = m_stack.back();
    const bool comma = level.hasMembers;
    level.hasMembers = true;
    // The root's braces stand at the margin and its members at 4: a member's indent is
    // two spaces per open level plus two, its closing line two spaces per open level.
    const qsizetype indent = 2 * depth() + 2;
    char *to = room(indent + 3);
    char *const start = to;
    if (comma)
        *to++ = ',';
    *to++ = '\r';
    *to++ = '\n';
    std::memset(to, ' ', size_t(indent));
    m_used += to - start + indent;
}

void JsonLineWriter::startNamedMember(const QString &name)
{
    if (name.isEmpty() && m_stack.back().array) {
        startMember();
        return;
    }
    if (m_stack.back().names) {
        startNamedMember(Name(name));
        return;
    }
    startMember();
    appendQuoted(name);
    append(": ", 2);
}

void JsonLineWriter::startNamedMember(const Name &name)
{
    if (m_stack.back().names)
        m_stack.back().names->insert(name.m_literal);
    startMember();
    append(name.m_literal.constData(), name.m_literal.size());
}

void JsonLineWriter::rememberNames()
{
    if (!m_stack.back().names)
        m_stack.back().names = std::make_shared<QSet<QByteArray>>();
}

bool JsonLineWriter::hasMember(const QString &name) const
{
    const auto &names = m_stack.back().names;
    return names && names->contains(Name(name).m_literal);
}

void JsonLineWriter::openObject(const QString &name)
{
    if (name.isEmpty())
        startMember();
    else
        startNamedMember(name);
    append('{');
    m_stack.push_back(Level{});
}

void JsonLineWriter::openArray(const QString &name)
{
    startNamedMember(name);
    append('[');
    m_stack.push_back(Level{true, false, {}});
}

void JsonLineWriter::close()
{
    if (m_stack.size() <= 1)
        return;
    const bool array = m_stack.back().array;
    const qsizetype indent = 2 * depth();
    m_stack.pop_back();
    char *to = room(indent + 3);
    *to++ = '\r';
    *to++ = '\n';
    std::memset(to, ' ', size_t(indent));
    to[indent] = array ? ']' : '}';
    m_used += indent + 3;
}

void JsonLineWriter::text(const QString &name, const QString &value)
{
    startNamedMember(name);
    appendQuoted(QStringView(value));
}

void JsonLineWriter::text(const Name &name, QStringView value)
{
    startNamedMember(name);
    appendQuoted(value);
}

void JsonLineWriter::number(const QString &name, const QString &value)
{
    startNamedMember(name);
    appendNumber(value);
}

void JsonLineWriter::number(const Name &name, QStringView value)
{
    startNamedMember(name);
    appendNumber(value);
}

void JsonLineWriter::literal(const QString &name, const QString &word)
{
    startNamedMember(name);
    const QByteArray bytes = word.toLatin1();
    append(bytes.constData(), bytes.size());
}

void JsonLineWriter::numberArray(const QString &name, const QString &value)
{
    startNamedMember(name);
    append('[');
    appendNumber(value);
    append(']');
}

void JsonLineWriter::openBase64Text(const QString &name, QByteArrayView prefix)
{
    startNamedMember(name);
    append('"');
    append(prefix.data(), prefix.size());
    m_base64PendingCount = 0;
    m_inBase64 = true;
}

void JsonLineWriter::appendBase64(QByteArrayView data)
{
    // Bytes left from the last piece make a group of three with the first of this one.
    while (m_base64PendingCount > 0 && !data.isEmpty()) {
        if (m_base64PendingCount == 2) {
            const char group[3] = {m_base64Pending[0], m_base64Pending[1], data.front()};
            char *const to = room(4);
            m_used += encodeBase64(QByteArrayView(group, 3), to) - to;
            m_base64PendingCount = 0;
        } else {
            m_base64Pending[m_base64PendingCount++] = data.front();
        }
        data = data.sliced(1);
    }
    const qsizetype whole = data.size() / 3 * 3;
    for (qsizetype at = 0; at < whole; at += kBase64Piece) {
        const QByteArrayView piece = data.sliced(at, std::min(kBase64Piece, whole - at));
        char *const to = room(piece.size() / 3 * 4);
        m_used += encodeBase64(piece, to) - to;
    }
    for (qsizetype i = whole; i < data.size(); ++i)
        m_base64Pending[m_base64PendingCount++] = data[i];
}

void JsonLineWriter::closeBase64Text()
{
    char *const to = room(4);
    m_used += encodeBase64(QByteArrayView(m_base64Pending, m_base64PendingCount), to) - to;
    m_base64PendingCount = 0;
    m_inBase64 = false;
    append('"');
}

JsonLineWriter JsonLineWriter::branch() const
{
    JsonLineWriter b{Unopened{}};
    b.m_branch = true;
    b.m_stack = m_stack;
    b.m_stack.back().hasMembers = true;
    return b;
}

void JsonLineWriter::splice(JsonLineWriter &&branch)
{
    Q_ASSERT(branch.m_stack.size() == m_stack.size() && !branch.m_inBase64);
    branch.m_text.truncate(branch.m_used);
    branch.m_chunks.push_back(std::move(branch.m_text));
    for (QByteArray &chunk : branch.m_chunks) {
        if (!chunk.isEmpty()) {
            m_stack.back().hasMembers = true;
            if (m_sink) {
                passToSink();
                if (m_sink->write(chunk) != chunk.size())
                    m_sinkFailed = true;
            } else {
                append(chunk.constData(), chunk.size());
            }
        }
        ChunkPool::instance().give(std::move(chunk));
    }
    branch.m_chunks.clear();
    branch.m_used = 0;
}

void JsonLineWriter::appendClosing(QByteArray &out) const
{
    // Closing what is open here keeps the writer usable for a partial document after an error.
    if (m_inBase64) {
        char tail[4];
        out.append(tail, encodeBase64(QByteArrayView(m_base64Pending, m_base64PendingCount), tail) - tail);
        out += '"';
    }
    for (size_t i = m_stack.size(); i > 1; --i) {
        out += "\r\n";
        out.append(2 * qsizetype(i), ' ');
        out += m_stack[i - 1].array ? ']' : '}';
    }
    out += "\r\n}\r\n";
}

bool JsonLineWriter::finish()
{
    QByteArray closing;
    appendClosing(closing);
    append(closing.constData(), closing.size());
    passToSink();
    return !m_sinkFailed;
}

QByteArray JsonLineWriter::bytes() const
{
    QByteArray whole;
    whole.reserve(m_used + 4 * qsizetype(m_stack.size()) + 8);
    whole.append(m_text.constData(), m_used);
    appendClosing(whole);
    return whole;
}

QByteArray JsonLineWriter::takeBytes()
{
    QByteArray whole = std::move(m_text);
    whole.truncate(m_used);
    appendClosing(whole);
    m_text = QByteArray();
    m_used = 0;
    m_stack.resize(1);
    m_stack.front() = Level{};
    m_inBase64 = false;
    m_base64PendingCount = 0;
    append('{');
    return whole;
}

QString JsonLineWriter::quoted(const QString &value)
{
    QByteArray out;
    appendEscapedLiteral(out, value);
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
