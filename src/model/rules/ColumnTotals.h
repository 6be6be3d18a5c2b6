#pragma once

#include <QStringList>

class ReportModel;

// Fields that show the total of a grid column (the catalogue's "sum" fields: clause 13(e)'s
// totals, and any total a clause of page 9 or another page is given).
namespace ColumnTotals
{

// The total of a column (1-based) as the field shows it: "" when no cell holds anything,
// else the sum of the cells' numbers with two decimals.
QString totalOf(const QList<QStringList> &rows, int column);

void apply(ReportModel &model);
// Whether the point is a grid whose column a field of its page totals.
bool reads(int page, const QString &point);

} // namespace ColumnTotals
