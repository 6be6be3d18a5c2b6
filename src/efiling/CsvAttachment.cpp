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
    if (!m_first)
        m_text += ',';
    m_first = false;
    bool ascii = true, quote = false;
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        ascii = ascii && u < 0x80;
        quote = quote || u == u',' || u == u'"' || u == u'\n' || u == u'\r';
    }
    if (quote) {
        m_text += '"';
        m_text += value.toString().replace(QLatin1String("\""), QLatin1String("\"\"")).toUtf8();
        m_text += '"';
        return;
    }
    if (!ascii) {
        m_text += value.toUtf8();
        return;
    }
    const qsizetype start = m_text.size();
    m_text.resize(start + value.size());
    char *to = m_text.data() + start;
    for (const QChar c : value)
        *to++ = char(c.unicode());
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
