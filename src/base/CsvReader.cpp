#include "CsvReader.h"

#include <stdexcept>

namespace CsvReader
{

QList<QStringList> parse(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool inQuotes = false;
    bool fieldStarted = false;
    int line = 1;
    int quoteLine = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < n && text.at(i + 1) == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"' && field.isEmpty()) {
            inQuotes = true;
            fieldStarted = true;
            quoteLine = line;
        } else if (c == u',') {
            row << field;
            field.clear();
            fieldStarted = true;
        } else if (c == u'\r') {
            continue;
        } else if (c == u'\n') {
            ++line;
            if (fieldStarted || !field.isEmpty() || !row.isEmpty()) {
                row << field;
                rows << row;
            }
            row.clear();
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (inQuotes)
        throw std::runtime_error(QStringLiteral("A quoted field that begins on line %1 is never closed.")
                                     .arg(quoteLine)
                                     .toStdString());
    if (fieldStarted || !field.isEmpty() || !row.isEmpty()) {
        row << field;
        rows << row;
    }
    return rows;
}

} // namespace CsvReader
