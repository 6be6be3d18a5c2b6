#include "ReportLists.h"

#include "model/rules/ReportWords.h"

namespace ReportLists
{

QStringList iWe()
{
    return ReportWords::iWe();
}

QStringList meUs()
{
    return ReportWords::meUs();
}

QStringList meUsFirm()
{
    return ReportWords::meUsFirm();
}

QStringList myOur()
{
    return ReportWords::myOur();
}

QStringList myOurTheir()
{
    return ReportWords::myOurTheir();
}

QStringList accountTypes()
{
    return ReportWords::accountTypes();
}

QStringList results()
{
    return ReportWords::results();
}

QStringList years(const QString &yearKey)
{
    return ReportWords::years(yearKey);
}

QStringList yearEnds(const QString &yearKey)
{
    return ReportWords::yearEnds(yearKey);
}

QStringList taxRegimeSections()
{
    return ReportWords::taxRegimeSections();
}

QString otherAct()
{
    return ReportWords::otherAct();
}

} // namespace ReportLists
