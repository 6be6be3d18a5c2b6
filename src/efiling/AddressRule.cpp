#include "AddressRule.h"

#include "AddressMembers.h"
#include "CodeLookups.h"
#include "JsonLineWriter.h"
#include "catalogue/AddressParts.h"

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
    namespace P = AddressParts;
    auto at = [&](const QString &key) { return columns.value(key); };
    return {at(P::Line1),      at(P::Line2),          at(P::Country),     at(P::Pin),
            at(P::PostOffice), at(P::Locality),       at(P::City),        at(P::State),
            at(P::CityCode),   at(P::PostOfficeCode), at(P::LocalityCode)};
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
    namespace M = AddressMembers;
    static const Name line1(M::Line1), line2(M::Line2), city(M::District), locality(M::Locality),
        localityName(M::LocalityName), postOffice(M::PostOffice), postOfficeName(M::PostOfficeName),
        state(M::State), country(M::Country), pin(M::Pin);
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
