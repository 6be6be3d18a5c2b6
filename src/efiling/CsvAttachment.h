#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class JsonLineWriter;

// The "CsvDtls" member of an attachment block: tables of more than 500 rows also travel
// as a CSV file inside the JSON, Base64-encoded, so the portal can take them in one piece.
namespace CsvAttachment
{

inline constexpr int kRowLimit = 500;
inline const QString kDataPrefix = QStringLiteral("data:application/vnd.ms-excel;base64,");

// The CSV text: the header, then one line per row, CR LF between lines, fields quoted
// only where they hold a comma, a quote or a line break.
QString csvText(const QString &header, const QList<QStringList> &rows);

// "CsvDtls" with "Attachment" and "HasMoreThan500" for a table of these rows.
void write(JsonLineWriter &w, const QString &header, const QList<QStringList> &rows);

} // namespace CsvAttachment
