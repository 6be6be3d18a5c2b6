#include "SigningDate.h"

#include "base/DateService.h"
#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"

namespace SigningDate
{

QString reportPageDate(const ReportModel &model)
{
    const bool form3cb = model.key().form.formKind == FormKind::F3CB;
    return model.value(form3cb ? 101 : 1, form3cb ? QStringLiteral("3CBOTH") : QStringLiteral("3CAOTH"), 5)
        .trimmed();
}

QString mismatchMessage(const QString &reportPageDate, const QString &signingPageDate)
{
    const QString first = reportPageDate.trimmed();
    const QString last = signingPageDate.trimmed();
    if (first.isEmpty() || last.isEmpty() || Vocabulary::isMarker(first) || Vocabulary::isMarker(last))
        return {};
    const QDate a = DateService::MyDateSerial(first);
    const QDate b = DateService::MyDateSerial(last);
    if (a.isValid() && b.isValid() ? a == b : first == last)
        return {};
    return QStringLiteral("The date of signing on page 21 [") + last +
           QStringLiteral("] is not the date of signing of the report on page 1 [") + first +
           QStringLiteral("]. Enter the same date on both pages.");
}

} // namespace SigningDate
