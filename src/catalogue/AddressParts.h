#pragma once

#include <QString>

// The keys of the columns that hold the parts of an address in a clause grid (the
// catalogue's address members name their columns by these).
namespace AddressParts
{

inline const QString Line1 = QStringLiteral("line1");
inline const QString Line2 = QStringLiteral("line2");
inline const QString Country = QStringLiteral("country");
inline const QString Pin = QStringLiteral("pin");
inline const QString PostOffice = QStringLiteral("postOffice");
inline const QString Locality = QStringLiteral("locality");
inline const QString City = QStringLiteral("city");
inline const QString State = QStringLiteral("state");
// The department's codes of the district, post office and locality, as entered or read.
inline const QString CityCode = QStringLiteral("cityCode");
inline const QString PostOfficeCode = QStringLiteral("postOfficeCode");
inline const QString LocalityCode = QStringLiteral("localityCode");

} // namespace AddressParts
