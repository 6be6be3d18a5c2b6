#include "AddressRule.h"

#include "CodeLookups.h"
#include "JsonLineWriter.h"

#include <algorithm>

bool StoredAddress::inIndia() const
{
    // Compared without an upper-case copy when the name is plain ASCII, as it nearly always is.
    const QStringView name = QStringView(country).trimmed();
    if (name.size() != 5)
        return false;
    if (std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return name.compare(QLatin1String("INDIA"), Qt::CaseInsensitive) == 0;
    return name.toString().toUpper() == QLatin1String("INDIA");
}

AddressColumns AddressColumns::of(const QHash<QString, int> &columns)
{
    auto at = [&](const char *name) { return columns.value(QLatin1String(name)); };
    return {at("line1"),      at("line2"),          at("country"),     at("pin"),
            at("postOffice"), at("locality"),       at("city"),        at("state"),
            at("cityCode"),   at("postOfficeCode"), at("localityCode")};
}

StoredAddress StoredAddress::fromRow(const ClauseStore::ClauseRow &row, const AddressColumns &c)
{
    auto part = [&](int column) { return row.col(column).trimmed(); };
    return {part(c.line1),      part(c.line2),          part(c.country),     part(c.pin),
            part(c.postOffice), part(c.locality),       part(c.city),        part(c.state),
            part(c.cityCode),   part(c.postOfficeCode), part(c.localityCode)};
}

namespace AddressRule
{

Codes Codes::of(const StoredAddress &a)
{
    const bool india = a.inIndia();
    return {india, india ? QStringLiteral("91") : CodeLookups::countryCode(a.country),
            india ? CodeLookups::stateCode(a.state) : QStringLiteral("99")};
}

void write(JsonLineWriter &w, const QString &member, const StoredAddress &a)
{
    write(w, member, a, Codes::of(a));
}

void write(JsonLineWriter &w, const QString &member, const StoredAddress &a, const Codes &codes)
{
    using Name = JsonLineWriter::Name;
    static const Name line1(QStringLiteral("AddrDetail1")), line2(QStringLiteral("AddrDetail2")),
        city(QStringLiteral("CityOrTownOrDistrict")), locality(QStringLiteral("LocalityOrArea")),
        localityName(QStringLiteral("LocalityOrAreaName")), postOffice(QStringLiteral("PostOffice")),
        postOfficeName(QStringLiteral("PostOfficeName")), state(QStringLiteral("StateCode")),
        country(QStringLiteral("CountryCode")), pin(QStringLiteral("PinCode"));
    const bool india = codes.india;
    w.openObject(member);
    w.text(line1, a.line1);
    w.text(line2, a.line2);
    if (india) {
        w.text(city, a.cityCode.isEmpty() ? CodeLookups::districtCode(a.pin, a.city) : a.cityCode);
        w.text(locality,
               a.localityCode.isEmpty() ? CodeLookups::localityCode(a.pin, a.locality) : a.localityCode);
        w.text(localityName, a.locality);
        w.text(postOffice, a.postOfficeCode.isEmpty() ? CodeLookups::postOfficeCode(a.pin, a.postOffice)
                                                      : a.postOfficeCode);
        w.text(postOfficeName, a.postOffice);
    } else {
        w.text(city, a.city);
        w.text(locality, a.locality);
        w.text(postOffice, a.postOffice);
    }
    w.text(state, codes.state);
    w.text(country, codes.country);
    w.text(pin, a.pin);
    w.close();
}

} // namespace AddressRule
