#include "DepreciationCutOff.h"

#include "base/DateService.h"

namespace DepreciationCutOff
{

QDate cutOff(const QString &secondDate)
{
    return QDate(secondDate.right(4).toInt(), 3, 31).addDays(-178);
}

QDate importCutOff(const QString &firstDate, const QString &secondDate)
{
    const int firstYear = DateService::parse(firstDate).year();
    if (firstYear > 0 && firstYear < 2005)
        return DateService::parse(QStringLiteral("04/10/") +
                                  QString::number(firstYear % 100).rightJustified(2, u'0'));
    return cutOff(secondDate);
}

bool lessThan180Days(const QDate &putToUse, const QDate &cutOff)
{
    return putToUse.isValid() && putToUse >= cutOff;
}

} // namespace DepreciationCutOff
