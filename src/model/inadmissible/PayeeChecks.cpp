#include "PayeeChecks.h"

#include "base/DateService.h"
#include "catalogue/Vocabulary.h"

namespace PayeeChecks
{

namespace
{

bool needsNoCheck(const QString &value)
{
    return value.trimmed().isEmpty() || Vocabulary::isMarker(value);
}

} // namespace

QString paymentDateMessage(const QString &date, const QString &firstDate, const QString &secondDate)
{
    const QDate from = DateService::parse(firstDate);
    const QDate to = DateService::parse(secondDate);
    if (needsNoCheck(date))
        return {};
    const QDate d = DateService::parse(date);
    if (d.isValid() && d >= from && d <= to)
        return {};
    return QStringLiteral(
               "Date of payment should be greater than or equals to '01/04/%1'. and less than or equals "
               "to '31/03/%2'")
        .arg(from.year())
        .arg(to.year());
}

} // namespace PayeeChecks
