#include "AddressRule.h"

#include "CodeLookups.h"
#include "JsonLineWriter.h"

bool StoredAddress::inIndia() const
{
    return country.trimmed().toUpper() == QLatin1String("INDIA");
}

AddressColumns AddressColumns::of(const QHash<QString, int> &columns)
{
    auto at = [&](const char *name) { return columns.value(QLatin1String(name)); };
    return {at("line1"),      at("line2"),    at("country"), at("pin"),
            at("postOffice"), at("locality"), at("city"),    at("state")};
}

StoredAddress StoredAddress::fromRow(const ClauseStore::ClauseRow &row, const AddressColumns &c)
{
    auto part = [&](int column) { return row.col(column).trimmed(); };
    return {part(c.line1),      part(c.line2),    part(c.country), part(c.pin),
            part(c.postOffice), part(c.locality), part(c.city),    part(c.state)};
}

namespace AddressRule
{

QString countryCode(const StoredAddress &a)
{
    return a.inIndia() ? QStringLiteral("91") : CodeLookups::countryCode(a.country);
}

QString stateCode(const StoredAddress &a)
{
    return a.inIndia() ? CodeLookups::stateCode(a.state) : QStringLiteral("99");
}

void write(JsonLineWriter &w, const QString &member, const StoredAddress &a)
{
    w.openObject(member);
    w.text(QStringLiteral("AddrDetail1"), a.line1);
    w.text(QStringLiteral("AddrDetail2"), a.line2);
    if (a.inIndia()) {
        w.text(QStringLiteral("CityOrTownOrDistrict"), CodeLookups::districtCode(a.pin, a.city));
        w.text(QStringLiteral("LocalityOrArea"), CodeLookups::localityCode(a.pin, a.locality));
        w.text(QStringLiteral("LocalityOrAreaName"), a.locality);
        w.text(QStringLiteral("PostOffice"), CodeLookups::postOfficeCode(a.pin, a.postOffice));
        w.text(QStringLiteral("PostOfficeName"), a.postOffice);
    } else {
        w.text(QStringLiteral("CityOrTownOrDistrict"), a.city);
        w.text(QStringLiteral("LocalityOrArea"), a.locality);
        w.text(QStringLiteral("PostOffice"), a.postOffice);
    }
    w.text(QStringLiteral("StateCode"), stateCode(a));
    w.text(QStringLiteral("CountryCode"), countryCode(a));
    w.text(QStringLiteral("PinCode"), a.pin);
    w.close();
}

} // namespace AddressRule
