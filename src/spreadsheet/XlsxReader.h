#pragma once

#include "WorkbookReader.h"

#include <QByteArray>
#include <QHash>
#include <QSet>

struct zip;

// Reads an .xlsx workbook (a zip of XML parts) with libzip and Qt's XML stream reader:
// shared strings, inline strings, formula strings, booleans, numbers, dates by their cell
// style, and empty cells. No Debian library reads .xlsx in C++, so this is our own.
class XlsxReader
{
public:
    explicit XlsxReader(const QString &path);
    ~XlsxReader();
    XlsxReader(const XlsxReader &) = delete;
    XlsxReader &operator=(const XlsxReader &) = delete;

    std::optional<QList<WorkbookSheet>> read(QString *error);

private:
    std::optional<QByteArray> part(const QString &name) const;
    void readSharedStrings();
    void readStyles();
    QHash<QString, QString> readRelationships() const;
    WorkbookSheet readSheet(const QString &name, const QByteArray &xml) const;
    QString cellText(const QString &type, int style, const QString &value, const QString &inlineText) const;

    QString m_path;
    struct zip *m_archive = nullptr;
    QStringList m_sharedStrings;
    QSet<int> m_dateStyles;     // cell styles whose number format shows a date
    QHash<int, int> m_decimals; // cell styles with a fixed count of decimals ("0.00")
};
