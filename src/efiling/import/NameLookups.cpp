#include "NameLookups.h"

#include "catalogue/ClauseCatalogue.h"
#include "host/HostContext.h"
#include "store/Database.h"

QString NameLookups::first(const QString &kind, const QString &code, const QString &sql)
{
    const QString c = code.trimmed();
    if (c.isEmpty())
        return {};
    const QString key = kind + u'|' + c;
    const auto known = m_names.constFind(key);
    if (known != m_names.cend())
        return *known;
    Recordset rs = host().DBObj().Execute(sql, {c});
    const QString name = rs.Eof() ? QString() : rs.Fields(0);
    m_names.insert(key, name);
    return name;
}

QString NameLookups::stateName(const QString &code)
{
    return first(
        QStringLiteral("state"), code,
        QStringLiteral("SELECT SName FROM annex_state WHERE Code=? ORDER BY convert(Id,signed) DESC"));
}

QString NameLookups::postOfficeName(const QString &code)
{
    return first(QStringLiteral("postOffice"), code,
                 QStringLiteral("SELECT post_office_name FROM po_postof WHERE post_office_cd=?"));
}

QString NameLookups::localityName(const QString &code)
{
    return first(QStringLiteral("locality"), code,
                 QStringLiteral("SELECT locality_name FROM po_locality WHERE locality_cd=?"));
}

QString NameLookups::districtName(const QString &code)
{
    return first(QStringLiteral("district"), code,
                 QStringLiteral("SELECT district_desc FROM po_district WHERE district_cd=?"));
}

QString NameLookups::countryName(const QString &code)
{
    const QString c = code.trimmed();
    if (c.isEmpty())
        return {};
    const QString key = QStringLiteral("country|") + c;
    if (!m_names.contains(key))
        m_names.insert(key, host().GetCountryNameNew(c));
    return m_names.value(key);
}

NameLookups::Sector NameLookups::sector(const QString &code)
{
    const QString name = first(QStringLiteral("sector"), code,
                               QStringLiteral("SELECT SecName FROM annex_sector WHERE Code=?"));
    const QString master = first(QStringLiteral("sectorMaster"), code,
                                 QStringLiteral("SELECT MasterCode FROM annex_sector WHERE Code=?"));
    if (master.isEmpty() || master == QLatin1String("-1"))
        return {name, {}};
    // A sub-sector's row names its sector by the sector's code.
    return {first(QStringLiteral("sector"), master,
                  QStringLiteral("SELECT SecName FROM annex_sector WHERE Code=?")),
            name};
}

QStringList NameLookups::listItems(const QString &listName)
{
    if (listName.isEmpty())
        return {};
    const auto known = m_lists.constFind(listName);
    if (known != m_lists.cend())
        return *known;
    const Catalogue::ListSource source = m_catalogue.listSource(listName);
    QStringList items = source.items;
    bool dependent = false;
    QVariantList binds;
    for (const QString &b : source.binds) {
        dependent = dependent || b.startsWith(u'@');
        binds << b;
    }
    if (!source.query.isEmpty() && !dependent) {
        for (Recordset rs = host().DBObj().Execute(source.query, binds); !rs.Eof(); rs.MoveNext())
            items << rs.Fields(0);
    }
    m_lists.insert(listName, items);
    return items;
}
