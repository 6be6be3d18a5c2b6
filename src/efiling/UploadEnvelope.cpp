#include "UploadEnvelope.h"

#include <QStringList>

namespace UploadEnvelope
{

QString wrap(const QString &document, const QString &filingType, int assessmentYear, const QString &formName)
{
    const QStringList lines{QStringLiteral("{"),
                            QStringLiteral("\"metadata\": {"),
                            QStringLiteral("\"filingType\": \"%1\",").arg(filingType),
                            QStringLiteral("\"refYearType\": \"AY\","),
                            QStringLiteral("\"financialQtr\": 0,"),
                            QStringLiteral("\"refYear\": %1,").arg(assessmentYear),
                            QStringLiteral("\"formName\": \"%1\"").arg(formName),
                            QStringLiteral("},"),
                            QStringLiteral("\"data\": ") + document.trimmed(),
                            QStringLiteral("}")};
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace UploadEnvelope
