#pragma once

#include "WorkbookReader.h"

#include <QByteArray>
#include <QHash>
#include <QSet>

class QXmlStreamReader;

struct zip;

// Reads an .xlsx workbook (a zip of XML parts) with libzip and Qt's XML stream reader:
// shared strings, inline strings, formula strings, booleans, numbers, dates by their cell
// style, and empty cells. No Debian library reads .xlsx in C++, so this is our own.
//
// A workbook is read whole or not at all: a part that does not parse to its end (cut off,
// a bad character, a document type) refuses the workbook with the part and line named, so
// that an import never takes the rows before a break for the whole. A few kilobytes of
// zip can claim gigabytes, so what the reader unpacks and builds is bounded by the limits
// below, each well past what Excel itself allows in a sheet.
class XlsxReader
{
public:
    static constexpr qint64 kMaxPartBytes = qint64(64) << 20;     // one part, unpacked
    static constexpr qint64 kMaxArchiveBytes = qint64(256) << 20; // all parts, unpacked
    static constexpr int kMaxRows = 1048576;                      // Excel's last row
    static constexpr int kMaxColumns = 16384;                     // Excel's last column, XFD
    static constexpr int kMaxSharedStrings = 1048576;
    static constexpr qint64 kMaxCells = 4000000; // cells of all sheets up to each row's last
    // Why a sheet past kMaxCells is refused, by either kind of workbook.
    static QString tooManyCells(const QString &sheet)
    {
        return QStringLiteral("The sheet \"%1\" spreads over more than %2 cells; it is not read.")
            .arg(sheet)
            .arg(kMaxCells);
    }

    explicit XlsxReader(const QString &path);
    ~XlsxReader();
    XlsxReader(const XlsxReader &) = delete;
    XlsxReader &operator=(const XlsxReader &) = delete;

    std::optional<QList<WorkbookSheet>> read(QString *error);

private:
    std::optional<QByteArray> part(const QString &name) const;
    bool withinArchiveLimit() const;
    bool readSharedStrings();
    bool readStyles();
    std::optional<QHash<QString, QString>> readRelationships() const;
    std::optional<WorkbookSheet> readSheet(const QString &name, const QByteArray &xml);
    QString cellText(const QString &type, int style, const QString &value, const QString &inlineText) const;
    // Notes the first reason the workbook is refused; false, to be returned.
    bool refuse(const QString &why) const;
    // False, after noting where, when the part's XML stopped at an error.
    bool parsedWhole(const QXmlStreamReader &xml, const QString &what) const;

    QString m_path;
    struct zip *m_archive = nullptr;
    QStringList m_sharedStrings;
    QSet<int> m_dateStyles;     // cell styles whose number format shows a date
    QHash<int, int> m_decimals; // cell styles with a fixed count of decimals ("0.00")
    qint64 m_cells = 0;
    mutable QString m_failure;
};
