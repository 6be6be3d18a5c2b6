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

void write(JsonLineWriter &w, const Lines &csv)
{
    const bool large = csv.rows() > kRowLimit;
    w.openObject(QStringLiteral("CsvDtls"));
    w.openObject(QStringLiteral("Attachment"));
    // Base64 without line breaks.
    if (large)
        w.base64Text(QStringLiteral("encodedData"), kDataPrefix.toLatin1(), csv.utf8());
    w.text(QStringLiteral("mimetype"), QStringLiteral("text/csv"));
    w.text(QStringLiteral("hash"), QStringLiteral("12345"));
    w.close();
    w.text(QStringLiteral("HasMoreThan500"), large ? QStringLiteral("true") : QStringLiteral("false"));
    w.close();
}

void write(JsonLineWriter &w, const QString &header, const QList<QStringList> &rows)
{
    Lines csv(header);
    for (const QStringList &row : rows) {
        csv.startRow();
        for (const QString &value : row)
            csv.field(value);
    }
    write(w, csv);
}

} // namespace CsvAttachment
