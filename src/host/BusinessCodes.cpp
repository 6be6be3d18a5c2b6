#include "BusinessCodes.h"

#include "HostContext.h"
#include "store/Database.h"

namespace BusinessCodes
{

namespace
{

const QString kSectorMark = QStringLiteral("-1");

QList<BusinessCode> codesOfQuery(const QString &sql, const QVariantList &binds)
{
    Recordset rs = host().DBObj().Execute(sql, binds);
    QList<BusinessCode> codes;
    for (; !rs.Eof(); rs.MoveNext())
        codes << BusinessCode{rs.Fields(0), rs.Fields(1), rs.Fields(2)};
    return codes;
}

QList<BusinessCode> codesUnder(const QString &masterCode)
{
    return codesOfQuery(
        QStringLiteral(
            "SELECT Code, SecName, MasterCode FROM annex_sector WHERE MasterCode=? ORDER BY SecName"),
        {masterCode});
}

} // namespace

QList<BusinessCode> sectors()
{
    return codesUnder(kSectorMark);
}

QList<BusinessCode> codesOf(const QString &sectorCode)
{
    if (sectorCode.isEmpty() || sectorCode == kSectorMark)
        return {};
    return codesUnder(sectorCode);
}

QList<BusinessCode> search(const QString &text)
{
    const QString typed = text.trimmed().toLower();
    if (typed.isEmpty())
        return {};
    const QString pattern = QLatin1Char('%') + typed + QLatin1Char('%');
    return codesOfQuery(
        QStringLiteral("SELECT Code, SecName, MasterCode FROM annex_sector WHERE MasterCode<>? "
                       "AND (lower(SecName) LIKE ? OR Code LIKE ?) ORDER BY SecName"),
        {kSectorMark, pattern, pattern});
}

BusinessCode sector(const QString &sectorCode)
{
    const QList<BusinessCode> found = codesOfQuery(
        QStringLiteral("SELECT Code, SecName, MasterCode FROM annex_sector WHERE MasterCode=? AND Code=?"),
        {kSectorMark, sectorCode});
    return found.value(0);
}

BusinessCode find(const QString &sectorName, const QString &lineName)
{
    if (sectorName.trimmed().isEmpty() || lineName.trimmed().isEmpty())
        return {};
    const QList<BusinessCode> found = codesOfQuery(
        QStringLiteral("SELECT s.Code, s.SecName, s.MasterCode FROM annex_sector s, annex_sector m "
                       "WHERE m.MasterCode=? AND m.SecName=? AND s.MasterCode=m.Code AND s.SecName=?"),
        {kSectorMark, sectorName.trimmed(), lineName.trimmed()});
    return found.value(0);
}

} // namespace BusinessCodes
