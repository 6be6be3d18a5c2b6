#pragma once

#include "ClauseCatalogue.h"
#include "KeyedColumn.h"

#include <QString>
#include <QStringList>

// The assessee's particulars on the report page: one row, "3CA1A" on page 1 of Form 3CA and
// "3CBPT1A" on page 101 of Form 3CB. Its place, its columns and their order are the
// catalogue's (`assesseeRow`); the code names a column by its key and takes its place from there.
namespace AssesseeRow
{

// The column's number as stored (Col1 onwards).
struct StoredNumber {
    static int of(const char *key);
};
using Column = KeyedColumn<StoredNumber>;

inline const Column FirstName{"firstName"};
inline const Column MiddleName{"middleName"};
inline const Column LastName{"lastName"};
inline const Column Country{"country"};
inline const Column AddressLine1{"addressLine1"};
inline const Column AddressLine2{"addressLine2"};
inline const Column Pin{"pin"};
inline const Column PostOffice{"postOffice"};
inline const Column Area{"area"}; // locality
inline const Column District{"district"};
inline const Column State{"state"};
inline const Column PAN{"pan"};
inline const Column Aadhaar{"aadhaar"};
// The department's codes of the district, post office and locality, as entered or read.
inline const Column DistrictCode{"districtCode"};
inline const Column PostOfficeCode{"postOfficeCode"};
inline const Column AreaCode{"areaCode"};

// The page and point of the row on the report of a form code: "3CA" or "3CB".
inline Catalogue::PointRef placeOn(const QString &formCode)
{
    return ClauseCatalogue::instance().assesseePlace(formCode);
}

// The number of columns of the row.
int columnCount();
// An empty row to fill by column: row[index(PAN)] = ...
QStringList emptyRow();
// The column's place in a row's list of values (from 0).
inline int index(const Column &column)
{
    return column - 1;
}

} // namespace AssesseeRow
