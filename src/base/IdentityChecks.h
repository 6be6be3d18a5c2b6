#pragma once

#include <QString>

// Checks of the identity numbers the report carries.
namespace IdentityChecks
{

// Ten characters: five letters, four digits, a letter; the fourth letter names the
// holder's status (P individual, C company, H HUF, F firm, A AOP, T trust, B BOI,
// L local authority, J artificial juridical person, G government, K, E).
bool ValidPan(const QString &pan);

// Twelve digits, not beginning with 0 or 1, whose last digit is the Verhoeff check digit.
bool ValidAadhaar(const QString &aadhaar);

// Ten characters: four letters, five digits, a letter.
bool ValidTan(const QString &tan);

// The Verhoeff check digit of a string of digits.
int verhoeffCheckDigit(const QString &digits);

} // namespace IdentityChecks
