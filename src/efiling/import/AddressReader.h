#pragma once

#include <QHash>
#include <QString>

class ImportedRows;
class JsonValue;
class NameLookups;

// The address rule read backwards. Country code "91" is an Indian address: country
// "INDIA", the state's name for its code, the post office, locality and district by name
// (the names the file carries, else those of their codes) and by their codes as written. Any other country
// code is an address abroad: the host's name of the country, the state "State outside India", and the city,
// locality and post office as written.
namespace AddressReader
{

// Fills the columns named "line1", "line2", "country", "pin", "postOffice", "locality",
// "city", "state" and, for an Indian address, "cityCode", "localityCode" and "postOfficeCode"
// (1-based column numbers) of a row from an address object.
void read(const JsonValue &address, const QHash<QString, int> &columns, ImportedRows &rows, int row,
          NameLookups &names);

} // namespace AddressReader
