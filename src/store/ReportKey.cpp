#include "ReportKey.h"

#include "StoreHost.h"

ReportKey ReportKey::current()
{
    StoreHost &h = storeHost();
    return {h.Temp_Code(), h.yearKey(), moduleState()};
}

ReportKey ReportKey::of(const QString &client, const QString &yearKey, FormKind kind)
{
    ReportKey key{client, yearKey, {}};
    key.form.openForm(kind, yearKey);
    return key;
}

QString ReportKey::firstDate() const
{
    return QStringLiteral("01/04/%1").arg(yearKey.toInt() - 1);
}

QString ReportKey::assessmentYearOf(const QString &yearKey)
{
    return twoYears(yearKey.toInt());
}

QString ReportKey::twoYears(int first)
{
    return QStringLiteral("%1-%2").arg(first).arg((first + 1) % 100, 2, 10, QLatin1Char('0'));
}

QString ReportKey::secondDate() const
{
    return QStringLiteral("31/03/") + yearKey;
}
