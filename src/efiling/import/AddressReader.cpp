#include "AddressReader.h"

#include "ImportedRows.h"
#include "NameLookups.h"
#include "StoredValues.h"
#include "catalogue/AddressParts.h"
#include "efiling/AddressMembers.h"
#include "efiling/json/JsonValue.h"

namespace AddressReader
{

namespace
{

// The name the file gives, else the name of its code, else the code itself: what the
// file says is never dropped.
QString nameOf(const QString &given, const QString &code, const QString &lookedUp)
{
    if (!given.trimmed().isEmpty())
        return given;
    return lookedUp.isEmpty() ? code : lookedUp;
}

} // namespace

void read(const JsonValue &address, const QHash<QString, int> &columns, ImportedRows &rows, int row,
          NameLookups &names)
{
    if (!address.isObject())
        return;
    namespace M = AddressMembers;
    namespace P = AddressParts;
    auto member = [&](const QString &name) { return StoredValues::text(address.Item(name)).trimmed(); };
    auto put = [&](const QString &part, const QString &value) { rows.set(row, columns.value(part), value); };

    const QString countryCode = member(M::Country);
    const QString city = member(M::District);
    const QString locality = member(M::Locality);
    const QString postOffice = member(M::PostOffice);
    put(P::Line1, member(M::Line1));
    put(P::Line2, member(M::Line2));
    put(P::Pin, member(M::Pin));
    // An address without a country code (left blank) is read as an Indian one without "INDIA".
    if (countryCode.isEmpty() || countryCode == QLatin1String("91")) {
        put(P::Country, countryCode.isEmpty() ? QString() : QStringLiteral("INDIA"));
        put(P::State, names.stateName(member(M::State)));
        put(P::City, nameOf({}, city, names.districtName(city)));
        put(P::Locality, nameOf(member(M::LocalityName), locality, names.localityName(locality)));
        put(P::PostOffice, nameOf(member(M::PostOfficeName), postOffice, names.postOfficeName(postOffice)));
        // The codes go back into the file as they came: no list of ours may change them.
        put(P::CityCode, city);
        put(P::LocalityCode, locality);
        put(P::PostOfficeCode, postOffice);
    } else {
        put(P::Country, nameOf({}, countryCode, names.countryName(countryCode)));
        put(P::State, QStringLiteral("State outside India"));
        put(P::City, city);
        put(P::Locality, locality);
        put(P::PostOffice, postOffice);
    }
}

} // namespace AddressReader
