#pragma once

#include "catalogue/ClauseCatalogue.h"

#include <QString>
#include <QStringList>
#include <optional>

class ListSources;
class ReportModel;

// The check of one value by the kind of its column, as the e-filing check would refuse it:
// PAN, Aadhaar and TAN by their shapes, dates, amounts, whole numbers and the entries of a
// drop-down list. Empty values and the markers "Nil"/"NA" pass. Pages run it when a cell or box is left and
// again over the report model at save and save-all.
namespace CellChecks
{

// What is kept of a typed value: trimmed; PAN and TAN in upper case.
QString normalised(const Catalogue::Column &column, const QString &typed);
// What a cell or box of the column keeps of what was typed: amounts "###0.00" without digit
// grouping, whole numbers "###0", dates dd/mm/yyyy; a value that is none of these stays as
// typed, so that the check below names it and the user corrects it where it is.
QString kept(const Catalogue::Column &column, const QString &typed);

// "" when the value passes, else the message ("Not a Valid PAN [abcde12345]"). A minus sign
// passes only in a column whose amount may be negative.
QString message(const Catalogue::Column &column, const QString &value);
// The message with the place of the value: " in clause 22(a) (Amount)", " in clause 23, row 2
// (Payment made (Amount))".
QString placed(const QString &message, const QString &label, int row, const QString &heading);

// "" when a list column's value is one of its list's entries or the list takes typed text,
// else the message. dependsOnValue is the cell a dependent list is chosen by.
QString listMessage(const Catalogue::Column &column, const QString &value, ListSources &lists,
                    const QString &dependsOnValue = {});

struct Finding {
    int row = -1;    // 0-based
    int column = -1; // 0-based
    QString message;
};

// The first cell of the rows that fails its column's check, in row order; list columns are
// checked when their lists are given.
std::optional<Finding> firstBadCell(const QList<Catalogue::Column> &columns, const QList<QStringList> &rows,
                                    ListSources *lists = nullptr);

// The same over a grid point of a report model.
std::optional<Finding> firstBadCell(const ReportModel &report, int page, const QString &point,
                                    const QList<Catalogue::Column> &columns, ListSources *lists = nullptr);

} // namespace CellChecks
