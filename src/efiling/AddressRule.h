#pragma once

#include "store/ClauseStore.h"

#include <QHash>
#include <QString>

class JsonLineWriter;

// Where a row keeps the parts of an address (1-based column numbers), found once for all rows.
struct AddressColumns {
    int line1 = 0, line2 = 0, country = 0, pin = 0, postOffice = 0, locality = 0, city = 0, state = 0;
    int cityCode = 0, postOfficeCode = 0, localityCode = 0;

    // From the columns named "line1", "line2", "country", "pin", "postOffice", "locality",
    // "city", "state", "cityCode", "postOfficeCode" and "localityCode".
    static AddressColumns of(const QHash<QString, int> &columns);
};

// An address as a clause row stores it, by name.
struct StoredAddress {
    QString line1, line2, country, pin, postOffice, locality, city, state;
    // The department's codes of the district, post office and locality, as entered or read.
    QString cityCode, postOfficeCode, localityCode;

    bool inIndia() const;
    static StoredAddress fromRow(const ClauseStore::ClauseRow &row, const AddressColumns &columns);
};

// How an address is written: an Indian address by its post-office, locality, district and
// state codes with country "91"; any other by its stored names with state "99" and the
// host's code for the country. The district, post-office and locality codes are those the
// row keeps; only where it keeps none is one looked up, in a list loaded from its source.
namespace AddressRule
{

// The codes an address is written with: "91" or the host's code for the country, and the
// state's code or "99"; found once for an attachment's CSV line and its member.
struct Codes {
    bool india = false;
    QString country, state;

    static Codes of(const StoredAddress &a);
};

// "AddressDetail" (or another member name) with the address members in their order.
void write(JsonLineWriter &w, const QString &member, const StoredAddress &a);
void write(JsonLineWriter &w, const QString &member, const StoredAddress &a, const Codes &codes);

} // namespace AddressRule
