#pragma once

#include "AnnexureLayout.h"

#include <QHash>
#include <optional>

// The TDS workbook an accountant fills for clauses 34(a), 34(b), 34(c), 21(b)(i)(B) and
// 21(b)(ii)(B): sheet "Main" with the assessee's PAN and financial year, then one sheet a
// list in the clause grid's columns, under a title line and the headings. The title of
// sheet "34_b" tells the current template from earlier ones.
namespace TdsWorkbook
{

// A column of a list as the TDS details print it: its heading and the grid column
// (0-based) it shows; -1 for a column the grid keeps none of, which prints empty.
struct PrintedColumn {
    QString heading;
    int gridColumn = -1;
    bool amount = false;
};

struct List {
    QString sheet; // "34_a"
    QString point; // "34a"
    QString title;
    // The columns the list prints in; empty: the clause grid's own.
    QList<PrintedColumn> printed;
};

const QList<List> &lists();

// The template, or a filled workbook, for a PAN and financial year ("2025-26").
bool write(const QString &path, const QString &pan, const QString &financialYear,
           const QHash<QString, QList<QStringList>> &rowsByPoint = {}, QString *error = nullptr);

struct Contents {
    QString pan;
    QString financialYear;
    QHash<QString, QList<QStringList>> rowsByPoint; // rows kept as the grids keep them
};

// Reads a filled workbook; nothing after telling why (a missing file, an earlier template,
// a missing sheet, changed headings).
std::optional<Contents> read(const QString &path);

// A state name as the state list writes it ("TAMILNADU" is "Tamil Nadu", "ORISSA" is
// "Odisha"); a name the list does not know comes back as it is.
QString normalisedState(const QString &name, const QStringList &states);

} // namespace TdsWorkbook
