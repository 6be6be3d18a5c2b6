#include "CsvAttachment.h"

#include "JsonLineWriter.h"

namespace CsvAttachment
{

namespace
{

void appendField(QString &out, const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r')) {
        out += value;
        return;
    }
    QString quoted = value;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    out += u'"';
    out += quoted;
    out += u'"';
}

} // namespace

QString csvText(const QString &header, const QList<QStringList> &rows)
{
    QString text = header;
    for (const QStringList &row : rows) {
        text += QLatin1String("\r\n");
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += u',';
            appendField(text, row.at(i));
        }
    }
    return text;
}

void write(JsonLineWriter &w, const QString &header, const QList<QStringList> &rows)
{
    const bool large = rows.size() > kRowLimit;
    w.openObject(QStringLiteral("CsvDtls"));
    w.openObject(QStringLiteral("Attachment"));
    if (large) {
        // Base64 without line breaks (QByteArray::toBase64 never breaks lines).
        const QByteArray encoded = kDataPrefix.toLatin1() + csvText(header, rows).toUtf8().toBase64();
        w.text(QStringLiteral("encodedData"), QByteArrayView(encoded));
    }
    w.text(QStringLiteral("mimetype"), QStringLiteral("text/csv"));
    w.text(QStringLiteral("hash"), QStringLiteral("12345"));
    w.close();
    w.text(QStringLiteral("HasMoreThan500"), large ? QStringLiteral("true") : QStringLiteral("false"));
    w.close();
}

} // namespace CsvAttachment
