#include "XlsReader.h"

#include "base/SharedMessages.h"

#include "XlsxReader.h"

#include <QDate>
#include <QFile>
#include <freexl.h>

namespace XlsReader
{

namespace
{

struct Handle {
    const void *xls = nullptr;
    ~Handle()
    {
        if (xls)
            freexl_close(xls);
    }
};

QString cellText(const FreeXL_CellValue &cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return QString::number(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return WorkbookReader::numberText(cell.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return QString::fromUtf8(cell.value.text_value);
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME: {
        // "YYYY-MM-DD" with the time after it for a date-time.
        const QDate date = QDate::fromString(QString::fromUtf8(cell.value.text_value).left(10), Qt::ISODate);
        return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy"))
                              : QString::fromUtf8(cell.value.text_value);
    }
    case FREEXL_CELL_TIME:
        return QString::fromUtf8(cell.value.text_value);
    default:
        return {};
    }
}

} // namespace

std::optional<QList<WorkbookSheet>> read(const QString &path, QString *error)
{
    Handle handle;
    if (freexl_open(QFile::encodeName(path).constData(), &handle.xls) != FREEXL_OK) {
        if (error)
            *error = SharedMessages::notAnExcelWorkbook();
        return std::nullopt;
    }
    unsigned int count = 0;
    freexl_get_info(handle.xls, FREEXL_BIFF_SHEET_COUNT, &count);
    QList<WorkbookSheet> sheets;
    for (unsigned short s = 0; s < count; ++s) {
        const char *name = nullptr;
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_get_worksheet_name(handle.xls, s, &name) != FREEXL_OK ||
            freexl_select_active_worksheet(handle.xls, s) != FREEXL_OK ||
            freexl_worksheet_dimensions(handle.xls, &rows, &columns) != FREEXL_OK) {
            if (error)
                *error = QStringLiteral("The workbook is damaged.");
            return std::nullopt;
        }
        // A damaged header can claim every row and column there is.
        if (qint64(rows) * columns > XlsxReader::kMaxCells) {
            if (error)
                *error = XlsxReader::tooManyCells(QString::fromUtf8(name));
            return std::nullopt;
        }
        WorkbookSheet sheet{QString::fromUtf8(name), {}};
        for (unsigned int r = 0; r < rows; ++r) {
            QStringList cells;
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue value;
                cells << (freexl_get_cell_value(handle.xls, r, c, &value) == FREEXL_OK ? cellText(value)
                                                                                       : QString());
            }
            while (!cells.isEmpty() && cells.last().isEmpty())
                cells.removeLast();
            sheet.rows << cells;
        }
        while (!sheet.rows.isEmpty() && sheet.rows.last().isEmpty())
            sheet.rows.removeLast();
        sheets << sheet;
    }
    return sheets;
}

} // namespace XlsReader
