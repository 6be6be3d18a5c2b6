#include "EfilingValues.h"

namespace EfilingValues
{

QString date(const QString &stored)
{
    const QString d = stored.trimmed();
    if (d.isEmpty())
        return {};
    return d.right(4) + u'-' + d.mid(3, 2) + u'-' + d.left(2);
}

QString yesNo(const QString &stored)
{
    const QString v = stored.trimmed();
    if (v.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
        v.compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Y");
    if (v.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 ||
        v.compare(QLatin1String("No"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("N");
    if (v.compare(QLatin1String("NA"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("X");
    return {};
}

bool isYes(const QString &stored)
{
    return yesNo(stored) == QLatin1String("Y");
}

int assessmentYear(const QString &firstDate)
{
    return firstDate.right(4).toInt() + 1;
}

} // namespace EfilingValues
