#include "CsvAttachment.h"

#include "JsonLineWriter.h"

namespace CsvAttachment
{

namespace
{

QString field(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QString csvText(const QString &header, const QList<QStringList> &rows)
{
    QStringList lines;
    lines.reserve(rows.size() + 1);
    lines << header;
    for (const QStringList &row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QString &value : row)
            fields << field(value);
        lines << fields.join(u',');
    }
    return lines.join(QStringLiteral("\r\n"));
}

void write(JsonLineWriter &w, const QString &header, const QList<QStringList> &rows)
{
    const bool large = rows.size() > kRowLimit;
    w.openObject(QStringLiteral("CsvDtls"));
    w.openObject(QStringLiteral("Attachment"));
    if (large) {
        // Base64 without line breaks (QByteArray::toBase64 never breaks lines).
        w.text(QStringLiteral("encodedData"),
               kDataPrefix + QString::fromLatin1(csvText(header, rows).toUtf8().toBase64()));
    }
    w.text(QStringLiteral("mimetype"), QStringLiteral("text/csv"));
    w.text(QStringLiteral("hash"), QStringLiteral("12345"));
    w.close();
    w.text(QStringLiteral("HasMoreThan500"), large ? QStringLiteral("true") : QStringLiteral("false"));
    w.close();
}

} // namespace CsvAttachment
