#pragma once

#include <QString>

// The members of an address object of the e-filing file, written and read alike.
namespace AddressMembers
{

inline const QString Line1 = QStringLiteral("AddrDetail1");
inline const QString Line2 = QStringLiteral("AddrDetail2");
inline const QString District = QStringLiteral("CityOrTownOrDistrict"); // a district code in India
inline const QString Locality = QStringLiteral("LocalityOrArea");       // its code in India
inline const QString LocalityName = QStringLiteral("LocalityOrAreaName");
inline const QString PostOffice = QStringLiteral("PostOffice"); // its code in India
inline const QString PostOfficeName = QStringLiteral("PostOfficeName");
inline const QString State = QStringLiteral("StateCode");
inline const QString Country = QStringLiteral("CountryCode");
inline const QString Pin = QStringLiteral("PinCode");

} // namespace AddressMembers
