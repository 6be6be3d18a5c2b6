#include "Form10bbEnvelope.h"

#include "CreationInfo.h"

namespace Form10bbEnvelope
{

QString wrap(QString body, const QString &filingType, int refYear, const QString &today)
{
    const QString type = filingType.trimmed().isEmpty() ? QStringLiteral("O") : filingType.trimmed();
    body.replace(QStringLiteral("KESTROVA_FILLINGTYPE"), type);
    // Written as the portal's utility writes it, members in this order and spacing.
    return QStringLiteral(
               "{\"metadata\": {\"filingType\": \"%1\",\"refYearType\": \"AY\",\"financialQtr\": 0,"
               "\"refYear\": %2,\"formName\": \"F10BB-NEW\"},")
               .arg(type, QString::number(refYear)) +
           body +
           QStringLiteral(
               "\"CreationInfo\": {\"SWVersionNo\": \"R1\",\"SWCreatedBy\": \"%1\",\"JSONCreatedBy\": "
               "\"%1\",\"JSONCreationDate\": \"%2\",\"IntermediaryCity\": \"%3\"},\"Form_Details\": "
               "{\"schemaVersion\": \"Ver1.6\",\"formVersion\": \"Ver1.0\"}}")
               .arg(CreationInfo::SoftwareId, today, CreationInfo::IntermediaryCity);
}

} // namespace Form10bbEnvelope
