#include "NameLookups.h"

#include "catalogue/ClauseCatalogue.h"
#include "host/HostContext.h"
#include "store/Database.h"

NameLookups::SharedScope::SharedScope() : m_owner(!s_shared)
{
    if (m_owner)
        s_shared = new Answers;
}

NameLookups::SharedScope::~SharedScope()
{
    if (!m_owner)
        return;
    delete s_shared;
    s_shared = nullptr;
}

NameLookups::Answers &NameLookups::answers()
{
    return s_shared ? *s_shared : m_own;
}

QString NameLookups::first(const QString &kind, const QString &code, const QString &sql)
{
    const QString c = code.trimmed();
    if (c.isEmpty())
        return {};
    const QString key = kind + u'|' + c;
    QHash<QString, QString> &names = answers().names;
    const auto known = names.constFind(key);
    if (known != names.cend())
        return *known;
    Recordset rs = host().DBObj().Execute(sql, {c});
    const QString name = rs.Eof() ? QString() : rs.Fields(0);
    names.insert(key, name);
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
    QHash<QString, QString> &names = answers().names;
    if (!names.contains(key))
        names.insert(key, host().GetCountryNameNew(c));
    return names.value(key);
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
    QHash<QString, QStringList> &lists = answers().lists;
    const auto known = lists.constFind(listName);
    if (known != lists.cend())
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
    lists.insert(listName, items);
    return items;
}
