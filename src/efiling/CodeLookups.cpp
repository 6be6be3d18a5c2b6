#include "CodeLookups.h"

#include "catalogue/StateNames.h"
#include "host/HostContext.h"
#include "store/Database.h"

#include <QHash>
#include <QSet>

namespace CodeLookups
{

namespace
{

QHash<QString, QString> *cache = nullptr;

// The remembered answer of a look-up while a ScopedCache lives, else a fresh one. The key is
// joined from its parts in one reused string: a large report looks up every row's address.
template <typename Lookup> QString remembered(std::initializer_list<QStringView> keyParts, Lookup lookup)
{
    if (!cache)
        return lookup();
    static QString key;
    key.resize(0);
    for (const QStringView part : keyParts)
        key += part;
    auto it = cache->constFind(key);
    if (it != cache->constEnd())
        return *it;
    const QString found = key;
    const QString value = lookup();
    cache->insert(found, value);
    return value;
}

QString first(const QString &sql, const QVariantList &binds)
{
    Recordset rs = host().DBObj().Execute(sql, binds);
    return rs.Eof() ? QString() : rs.Fields(0);
}

// The codes the PIN's rows give in one column, then the master row of that name among them.
QString postalCode(const QString &pin, const QString &name, const QString &pinColumn, const QString &table,
                   const QString &nameColumn)
{
    if (pin.trimmed().isEmpty() || name.trimmed().isEmpty())
        return {};
    return remembered({pinColumn, u"|", pin, u"|", name}, [&] {
        Database &db = host().DBObj();
        QSet<QString> codes;
        for (Recordset rs = db.Execute(
                 QStringLiteral("SELECT %1 FROM po_pincode WHERE pin_cd=?").arg(pinColumn), {pin.trimmed()});
             !rs.Eof(); rs.MoveNext())
            codes.insert(rs.Fields(0));
        if (codes.isEmpty())
            return QString();
        for (Recordset rs = db.Execute(QStringLiteral("SELECT %1 FROM %2 WHERE lower(%3)=lower(?)")
                                           .arg(pinColumn, table, nameColumn),
                                       {name.trimmed()});
             !rs.Eof(); rs.MoveNext()) {
            if (codes.contains(rs.Fields(0)))
                return rs.Fields(0);
        }
        return QString();
    });
}

} // namespace

QString normalisedStateName(const QString &name)
{
    return StateNames::current(name);
}

QString stateCode(const QString &stateName)
{
    // Remembered by the name as stored: every row of a large report names its state afresh.
    return remembered({u"state|", stateName}, [&] {
        const QString name = normalisedStateName(stateName);
        if (name.isEmpty())
            return QString();
        return first(QStringLiteral("SELECT state_cd FROM po_state WHERE lower(state_desc)=lower(?)"),
                     {name});
    });
}

QString postOfficeCode(const QString &pin, const QString &name)
{
    return postalCode(pin, name, QStringLiteral("post_office_cd"), QStringLiteral("po_postof"),
                      QStringLiteral("post_office_name"));
}

QString localityCode(const QString &pin, const QString &name)
{
    return postalCode(pin, name, QStringLiteral("locality_cd"), QStringLiteral("po_locality"),
                      QStringLiteral("locality_name"));
}

QString districtCode(const QString &pin, const QString &name)
{
    return postalCode(pin, name, QStringLiteral("district_cd"), QStringLiteral("po_district"),
                      QStringLiteral("district_desc"));
}

QString sectorCode(const QString &sectorName)
{
    if (sectorName.trimmed().isEmpty())
        return {};
    return remembered({u"sector|", QStringView(sectorName).trimmed()}, [&] {
        return first(QStringLiteral("SELECT Code FROM annex_sector WHERE MasterCode='-1' AND SecName=?"),
                     {sectorName.trimmed()});
    });
}

QString actCode(const QString &actName)
{
    if (actName.isEmpty())
        return {};
    return remembered({u"actCode|", actName}, [&] {
        Recordset rs = host().DBObj().Execute(QStringLiteral(
            "SELECT Text FROM annex_3cd21combo WHERE Point='1Act' ORDER BY convert(Id,signed)"));
        for (int position = 1; !rs.Eof(); rs.MoveNext(), ++position) {
            if (rs.Fields(0) == actName)
                return QStringLiteral("%1").arg(position, 2, 10, QLatin1Char('0'));
        }
        return QString();
    });
}

QString actName(const QString &code)
{
    const int position = code.trimmed().toInt();
    if (position < 1)
        return {};
    return remembered({u"actName|", QString::number(position)}, [&] {
        Recordset rs = host().DBObj().Execute(QStringLiteral(
            "SELECT Text FROM annex_3cd21combo WHERE Point='1Act' ORDER BY convert(Id,signed)"));
        for (int at = 1; !rs.Eof(); rs.MoveNext(), ++at) {
            if (at == position)
                return rs.Fields(0);
        }
        return QString();
    });
}

QString countryCode(const QString &countryName)
{
    return remembered({u"country|", countryName}, [&] { return host().GetCountryCodeNew(countryName); });
}

ScopedCache::ScopedCache() : m_owner(!cache)
{
    if (m_owner)
        cache = new QHash<QString, QString>;
}

ScopedCache::~ScopedCache()
{
    if (!m_owner)
        return;
    delete cache;
    cache = nullptr;
}

} // namespace CodeLookups
