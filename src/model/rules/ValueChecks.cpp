#include "ValueChecks.h"

#include "base/DateService.h"
#include "base/IdentityChecks.h"
#include "catalogue/Vocabulary.h"

#include <QDate>
#include <QRegularExpression>

namespace ValueChecks
{

QString normalisedUdin(const QString &typed)
{
    return typed.trimmed().toUpper();
}

bool isUdin(const QString &udin)
{
    static const QRegularExpression pattern(QStringLiteral("\\A[0-9]{8}[A-Z0-9]{10}\\z"));
    return pattern.match(udin).hasMatch();
}

QString signingDateMessage(const QString &date, const QString &yearKey)
{
    const QString text = date.trimmed();
    if (text.isEmpty() || Vocabulary::isMarker(text))
        return {};
    const QDate yearEnd(yearKey.toInt(), 3, 31);
    const QDate signedOn = DateService::MyDateSerial(text);
    if (signedOn.isValid() && signedOn >= yearEnd)
        return {};
    return QStringLiteral("Date of sigining should be greater than '31/03/") + yearKey + QStringLiteral("'.");
}

} // namespace ValueChecks
