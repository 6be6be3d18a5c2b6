#pragma once

#include "spreadsheet/AnnexureLayout.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <optional>

// Exchange of a clause grid's rows with an annexure workbook, as the annexure window and
// taxaudit do it: the workbook takes the grid's catalogue layout (clause 18 its blocks of
// assets), and reading it back gives the rows it was written from. Every message and
// question goes through the prompt interface.
namespace AnnexureExchange
{

// The workbook layout of a clause grid: the catalogue's columns, clause 18 its blocks of assets.
AnnexureLayout layoutOf(const QString &clause, const QList<Catalogue::Column> &columns);

// "Annexure_" + the clause + ".xlsx".
QString defaultFileName(const QString &clause);

// The captions of the two commands, on every window that offers them.
inline const QString ExportCaption = QStringLiteral("Export to Excel");
inline const QString ImportCaption = QStringLiteral("Import from Excel");
// Asks where the clause's rows are to go, offering its own file name; "" when cancelled.
QString askExportPath(const QString &clause);
// Asks for the workbook (.xlsx or .xls) whose rows come in; "" when cancelled.
QString askImportPath();

// Writes the rows (cells in the grid's column order) to the workbook at path, asking
// before replacing a file there; tells the user where it went. False when the user
// declined or the file could not be written.
bool exportRows(const QString &clause, const AnnexureLayout &layout, const QList<QStringList> &rows,
                const QString &path);

// The rows of the workbook at path (.xlsx or .xls) in the grid's column order, each cell
// kept as the grid keeps it, up to the first row whose first cell is empty; nothing when
// the file is missing or not in the layout of the grid, after telling why. cutOff dates
// the clause 18 assets that carry no date.
std::optional<QList<QStringList>> importRows(const QString &clause, const AnnexureLayout &layout,
                                             const QString &path, const QDate &cutOff);

} // namespace AnnexureExchange
