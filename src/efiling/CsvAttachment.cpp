#include "CsvAttachment.h"

#include "JsonLineWriter.h"

namespace CsvAttachment
{

Lines::Lines(const QString &header) : m_text(header.toUtf8()) {}

void Lines::startRow()
{
    m_text += "\r\n";
    m_first = true;
    ++m_rows;
}

void Lines::field(QStringView value)
{
    const qsizetype start = m_text.size() + (m_first ? 0 : 1);
    // Most fields are plain ASCII: copied as they stand into room made once.
    m_text.resize(start + value.size());
    char *to = m_text.data() + start;
    if (!m_first)
        to[-1] = ',';
    m_first = false;
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u >= 0x80 || u == u',' || u == u'"' || u == u'\n' || u == u'\r') {
            m_text.truncate(start);
            appendUnusual(value);
            return;
        }
        *to++ = char(u);
    }
}

void Lines::appendUnusual(QStringView value)
{
    if (value.contains(u',') || value.contains(u'"') || value.contains(u'\n') || value.contains(u'\r')) {
        m_text += '"';
        m_text += value.toString().replace(QLatin1String("\""), QLatin1String("\"\"")).toUtf8();
        m_text += '"';
        return;
    }
    m_text += value.toUtf8();
}

Stream::Stream(JsonLineWriter &w, const QString &header, qsizetype rows)
    : m_writer(w), m_lines(header), m_large(rows > kRowLimit)
{
    m_writer.openObject(QStringLiteral("CsvDtls"));
    m_writer.openObject(QStringLiteral("Attachment"));
    // Base64 without line breaks.
    if (m_large)
        m_writer.openBase64Text(QStringLiteral("encodedData"), kDataPrefix.toLatin1());
}

void Stream::rowDone()
{
    constexpr qsizetype kPiece = 64 * 1024;
    if (m_lines.pending().size() >= kPiece)
        pass();
}

void Stream::pass()
{
    if (m_large)
        m_writer.appendBase64(m_lines.pending());
    m_lines.clearPending();
}

void Stream::finish()
{
    pass();
    if (m_large)
        m_writer.closeBase64Text();
    m_writer.text(QStringLiteral("mimetype"), QStringLiteral("text/csv"));
    m_writer.text(QStringLiteral("hash"), QStringLiteral("12345"));
    m_writer.close();
    m_writer.text(QStringLiteral("HasMoreThan500"),
                  m_large ? QStringLiteral("true") : QStringLiteral("false"));
    m_writer.close();
}

void write(JsonLineWriter &w, const QString &header, const QList<QStringList> &rows)
{
    Stream csv(w, header, rows.size());
    for (const QStringList &row : rows) {
        csv.lines().startRow();
        for (const QString &value : row)
            csv.lines().field(value);
        csv.rowDone();
    }
    csv.finish();
}

} // namespace CsvAttachment
