#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The cell texts of a workbook's sheets, as the spreadsheet shows them: texts as typed,
// numbers in their shortest form ("0.00" cells with two decimals), dates "dd/mm/yyyy",
// empty cells "". A row ends at its last filled cell.
struct WorkbookSheet {
    QString name;
    QList<QStringList> rows;

    QString cell(int row, int column) const { return rows.value(row).value(column); }
};

namespace WorkbookReader
{

// Reads an .xlsx workbook or a legacy .xls one (in a helper process), told apart by their
// first bytes. Empty with the reason in error when the file is missing, not a workbook, or
// damaged anywhere: a workbook is read whole or not at all.
std::optional<QList<WorkbookSheet>> read(const QString &path, QString *error = nullptr);

// A number as a spreadsheet shows it: whole numbers without decimals, others in their
// shortest exact form, or with a fixed count of decimals when the cell's format asks.
QString numberText(double value, int decimals = -1);

} // namespace WorkbookReader
