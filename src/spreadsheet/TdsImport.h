#pragma once

#include "AnnexureClause.h"

#include <QHash>
#include <QStringList>

class ReportModel;

// The TDS lists as they go into a report: clauses 34(a), 34(b), 34(c) on page 17 and
// 21(b)(i)(B), 21(b)(ii)(B) on page 9, read from a TDS workbook or the TDS product's database.
namespace TdsImport
{

// One clause's list as an import leaves it.
struct ClauseList {
    AnnexureClause clause;
    QList<QStringList> rows;
};

// The lists of the clauses that rowsByPoint brings rows for, in the workbook's order of
// sheets. Unless they replace it, the rows follow what the clause holds, its "Nil" or "NA"
// marker left out. Nothing in the report changes.
QList<ClauseList> merged(ReportModel &report, const QHash<QString, QList<QStringList>> &rowsByPoint,
                         bool replace);

// "2025-26" for the year key "2026".
QString financialYear(const QString &yearKey);

} // namespace TdsImport
