#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The checks of clause 18 that page 7 runs before the completeness check, in order:
// every row's totals against its lists, then the dates put to use and the dates of sale
// against the year, then the other adjustments against the depreciation allowable.
namespace Clause18Checks
{

struct Finding {
    QString message;
    int row = -1;
    int column = -1;
};

// rows are the grid's data rows (Clause18 columns); firstDate and secondDate the year's
// first and last day (dd/mm/yyyy). Marker rows ("Nil", "NA") and empty rows are skipped.
std::optional<Finding> check(const QList<QStringList> &rows, const QString &firstDate,
                             const QString &secondDate);

} // namespace Clause18Checks
