#pragma once

#include <QString>

// Points of Form 3CEB's report page that the carry, the page and the print all read: the
// first paragraph (its fifth field the year), the accountant's particulars and the UDIN.
namespace Form3cebPoints
{

inline constexpr int Page = 1;
inline const QString Paragraph1 = QStringLiteral("3CEB1");
inline constexpr int YearField = 5;
inline const QString Accountant = QStringLiteral("3CEBOTH");
// The accountant's fields, from 1.
enum AccountantField {
    NameField = 1,
    AddressField,
    MembershipField,
    FirmRegField,
    PlaceField,
    SignedOnField
};
inline const QString Udin = QStringLiteral("UDIN");

} // namespace Form3cebPoints
