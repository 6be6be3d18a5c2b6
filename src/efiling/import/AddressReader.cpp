#include "AddressReader.h"

#include "ImportedRows.h"
#include "NameLookups.h"
#include "StoredValues.h"
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
    auto member = [&](const char *name) {
        return StoredValues::text(address.Item(QLatin1String(name))).trimmed();
    };
    auto put = [&](const char *part, const QString &value) {
        rows.set(row, columns.value(QLatin1String(part)), value);
    };

    const QString countryCode = member("CountryCode");
    const QString city = member("CityOrTownOrDistrict");
    const QString locality = member("LocalityOrArea");
    const QString postOffice = member("PostOffice");
    put("line1", member("AddrDetail1"));
    put("line2", member("AddrDetail2"));
    put("pin", member("PinCode"));
    // An address without a country code (left blank) is read as an Indian one without "INDIA".
    if (countryCode.isEmpty() || countryCode == QLatin1String("91")) {
        put("country", countryCode.isEmpty() ? QString() : QStringLiteral("INDIA"));
        put("state", names.stateName(member("StateCode")));
        put("city", nameOf({}, city, names.districtName(city)));
        put("locality", nameOf(member("LocalityOrAreaName"), locality, names.localityName(locality)));
        put("postOffice", nameOf(member("PostOfficeName"), postOffice, names.postOfficeName(postOffice)));
        // The codes go back into the file as they came: no list of ours may change them.
        put("cityCode", city);
        put("localityCode", locality);
        put("postOfficeCode", postOffice);
    } else {
        put("country", nameOf({}, countryCode, names.countryName(countryCode)));
        put("state", QStringLiteral("State outside India"));
        put("city", city);
        put("locality", locality);
        put("postOffice", postOffice);
    }
}

} // namespace AddressReader
