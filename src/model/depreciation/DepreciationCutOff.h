#pragma once

#include <QDate>
#include <QString>

// The 180-day rule of clause 18: an asset put to use on or after the cut-off date was
// used for less than 180 days in the year and earns half the rate.
namespace DepreciationCutOff
{

// 31 March of the year in the last four characters of secondDate, less 178 days:
// 4 October, or 5 October when the span holds 29 February.
QDate cutOff(const QString &secondDate);

// The cut-off of the host-chart imports: as cutOff, except that years beginning before
// 2005 keep the fixed 4 October of the first year.
QDate importCutOff(const QString &firstDate, const QString &secondDate);

// An invalid date counts as put to use for 180 days or more.
bool lessThan180Days(const QDate &putToUse, const QDate &cutOff);

} // namespace DepreciationCutOff
