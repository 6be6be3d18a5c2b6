#pragma once

#include <QString>
#include <QStringList>

// The assessee's particulars on the report page: one row of thirteen columns, "3CA1A" on
// page 1 of Form 3CA and "3CBPT1A" on page 101 of Form 3CB.
namespace AssesseeRow
{

// Column numbers as stored (Col1 onwards).
enum Column {
    FirstName = 1,
    MiddleName,
    LastName,
    Country,
    AddressLine1,
    AddressLine2,
    Pin,
    PostOffice,
    Area, // locality
    District,
    State,
    PAN,
    Aadhaar,
};
constexpr int ColumnCount = Aadhaar;

inline const QString Form3CAPoint = QStringLiteral("3CA1A");
inline const QString Form3CBPoint = QStringLiteral("3CBPT1A");

// An empty row to fill by column: row[index(PAN)] = ...
inline QStringList emptyRow()
{
    return QStringList(ColumnCount);
}
constexpr int index(Column column)
{
    return column - 1;
}

} // namespace AssesseeRow
