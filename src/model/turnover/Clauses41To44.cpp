#include "Clauses41To44.h"

#include "base/DateService.h"
#include "catalogue/Vocabulary.h"

#include <QRegularExpression>

namespace Clauses41To44
{

bool isIdentificationNumber(const QString &text)
{
    static const QRegularExpression tanOrPan(QStringLiteral(
        "\\A(?:[A-Za-z]{4}[0-9]{5}[A-Za-z]|[A-Za-z]{5}[0-9]{4}[A-Za-z])[.][A-Za-z]{2}[0-9]{3}\\z"));
    return tanOrPan.match(text).hasMatch();
}

QString identificationMessage(const QString &text)
{
    if (Vocabulary::isMarker(text) || isIdentificationNumber(text))
        return {};
    return QStringLiteral("Specify Valid 'Identification Number'.");
}

QString furnishingDateMessage(const QString &date, const QString &firstDate)
{
    const QDate d = DateService::parse(date);
    const QDate first = DateService::parse(firstDate);
    if (!d.isValid() || d >= first)
        return {};
    return QStringLiteral("Date of furnishing should be greater than or equals to '01/04/%1'")
        .arg(first.year());
}

} // namespace Clauses41To44
