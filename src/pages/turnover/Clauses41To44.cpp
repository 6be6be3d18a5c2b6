#include "Clauses41To44.h"

#include "host/DateService.h"

#include <QRegularExpression>

namespace Clauses41To44
{

bool isIdentificationNumber(const QString &text)
{
    static const QRegularExpression tanOrPan(QStringLiteral(
        "^(?:[A-Za-z]{4}[0-9]{5}[A-Za-z]|[A-Za-z]{5}[0-9]{4}[A-Za-z])[.][A-Za-z]{2}[0-9]{3}$"));
    return tanOrPan.match(text).hasMatch();
}

QString storedAnswer(Answer43 answer)
{
    switch (answer) {
    case Answer43::Yes:
        return QStringLiteral("True");
    case Answer43::No:
        return QStringLiteral("False");
    case Answer43::NotDue:
        return QStringLiteral("NA");
    case Answer43::None:
        break;
    }
    return {};
}

Answer43 answerOf(const QString &stored)
{
    const QString s = stored.trimmed();
    if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
        s.compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0)
        return Answer43::Yes;
    if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 ||
        s.compare(QLatin1String("No"), Qt::CaseInsensitive) == 0)
        return Answer43::No;
    if (s.compare(QLatin1String("NA"), Qt::CaseInsensitive) == 0)
        return Answer43::NotDue;
    return Answer43::None;
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

const QStringList &amountTypes()
{
    static const QStringList list{QStringLiteral("Demand raised"), QStringLiteral("Refund received")};
    return list;
}

const QStringList &indirectTaxLaws()
{
    static const QStringList list{QStringLiteral("SALES TAX/VAT"), QStringLiteral("STATE EXCISE DUTY"),
                                  QStringLiteral("GOODS & SERVICES TAX"),
                                  QStringLiteral("OTHER INDIRECT TAX/DUTY")};
    return list;
}

} // namespace Clauses41To44
