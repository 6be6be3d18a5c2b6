#include "ReportWords.h"

namespace ReportWords
{

QStringList iWe()
{
    return {QStringLiteral("I"), QStringLiteral("We")};
}

QStringList meUs()
{
    return {QStringLiteral("Me"), QStringLiteral("Us")};
}

QStringList meUsFirm()
{
    return {QStringLiteral("Me"), QStringLiteral("Us"), QStringLiteral("M/s")};
}

QStringList myOur()
{
    return {QStringLiteral("My"), QStringLiteral("Our")};
}

QStringList myOurTheir()
{
    return {QStringLiteral("My"), QStringLiteral("Our"), QStringLiteral("Their")};
}

QStringList accountTypes()
{
    return {QStringLiteral("Profit and Loss Account"), QStringLiteral("Income and Expenditure Account")};
}

QStringList results()
{
    return {QStringLiteral("Profit"), QStringLiteral("Loss"), QStringLiteral("Surplus"),
            QStringLiteral("Deficit")};
}

QStringList years(const QString &yearKey)
{
    QStringList out;
    const int last = yearKey.toInt();
    for (int y = last; y > last - 10; --y)
        out << QString::number(y);
    return out;
}

QStringList yearEnds(const QString &yearKey)
{
    QStringList out;
    for (const QString &y : years(yearKey))
        out << QStringLiteral("31/03/") + y;
    return out;
}

QStringList taxRegimeSections()
{
    return {QStringLiteral("115BA"), QStringLiteral("115BAA"), QStringLiteral("115BAB"),
            QStringLiteral("115BAC"), QStringLiteral("115BAD")};
}

QString otherAct()
{
    return QStringLiteral("Others");
}

QString asListed(const QStringList &entries, const QString &stored)
{
    const QString value = stored.trimmed();
    for (const QString &entry : entries) {
        if (entry.compare(value, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return value;
}

} // namespace ReportWords
