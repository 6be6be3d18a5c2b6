#include "ValueChecks.h"

#include "host/DateService.h"
#include "host/IdentityChecks.h"

#include <QDate>
#include <QRegularExpression>

namespace ValueChecks
{

bool isPan(const QString &pan)
{
    return IdentityChecks::ValidPan(pan);
}

bool isAadhaar(const QString &aadhaar)
{
    return IdentityChecks::ValidAadhaar(aadhaar);
}

QString normalisedUdin(const QString &typed)
{
    return typed.trimmed().toUpper();
}

bool isUdin(const QString &udin)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{8}[A-Z0-9]{10}$"));
    return pattern.match(udin).hasMatch();
}

bool isMarker(const QString &text)
{
    const QString t = text.trimmed();
    return t.compare(QLatin1String("Nil"), Qt::CaseInsensitive) == 0 ||
           t.compare(QLatin1String("NA"), Qt::CaseInsensitive) == 0;
}

bool isDate(const QString &text)
{
    return DateService::isDate(text);
}

QString signingDateMessage(const QString &date, const QString &yearKey)
{
    const QString text = date.trimmed();
    if (text.isEmpty() || isMarker(text))
        return {};
    const QDate yearEnd(yearKey.toInt(), 3, 31);
    const QDate signedOn = DateService::MyDateSerial(text);
    if (signedOn.isValid() && signedOn >= yearEnd)
        return {};
    return QStringLiteral("Date of sigining should be greater than '31/03/") + yearKey + QStringLiteral("'.");
}

} // namespace ValueChecks
