#include "AddressRule.h"

#include "CodeLookups.h"
#include "JsonLineWriter.h"

bool StoredAddress::inIndia() const
{
    return country.trimmed().toUpper() == QLatin1String("INDIA");
}

StoredAddress StoredAddress::fromRow(const ClauseStore::ClauseRow &row, const QHash<QString, int> &columns)
{
    auto part = [&](const char *name) { return row.col(columns.value(QLatin1String(name))).trimmed(); };
    return {part("line1"),      part("line2"),    part("country"), part("pin"),
            part("postOffice"), part("locality"), part("city"),    part("state")};
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
