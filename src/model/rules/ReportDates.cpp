#include "ReportDates.h"

#include "catalogue/Form3caPointOne.h"

#include "base/DateService.h"
#include "model/ReportModel.h"

namespace ReportDates
{

QString dateMessage(const QString &field, const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || (DateService::isDate(t) && DateService::ConvertDate(t) == t))
        return {};
    return QStringLiteral("Not a Valid Date [") + t + QStringLiteral("]: enter it as DD/MM/YYYY (") + field +
           u')';
}

QString auditReportQuestion(const QString &date, const QString &yearKey)
{
    const QDate on = DateService::MyDateSerial(date.trimmed());
    const QDate yearEnd(yearKey.toInt(), 3, 31);
    if (!on.isValid() || on > yearEnd)
        return {};
    return QStringLiteral("The audit report of the accounts is dated ") + date.trimmed() +
           QStringLiteral(", not after the end of the year on ") +
           yearEnd.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(".\nKeep this date?");
}

QString signedBeforeAuditReportMessage(const QString &signingDate, const QString &auditReportDate)
{
    const QDate signedOn = DateService::MyDateSerial(signingDate.trimmed());
    const QDate reported = DateService::MyDateSerial(auditReportDate.trimmed());
    if (!signedOn.isValid() || !reported.isValid() || signedOn >= reported)
        return {};
    return QStringLiteral("Date of Signing the Report can not be Less than Reported Date.") +
           QStringLiteral(" [") + signingDate.trimmed() + QStringLiteral("] is before the audit report of ") +
           auditReportDate.trimmed() + u'.';
}

QString auditReportDate(const ReportModel &model)
{
    if (model.key().form.formKind != FormKind::F3CA)
        return {};
    return model.value(1, Form3caPointOne::Point, Form3caPointOne::ReportedOn).trimmed();
}

} // namespace ReportDates
