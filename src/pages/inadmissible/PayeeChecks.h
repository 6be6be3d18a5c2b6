#pragma once

#include <QString>

// Checks of the payee cells of clause 21. Each returns the message to show, or "" when
// the value passes; empty cells and the markers "Nil" and "NA" always pass.
namespace PayeeChecks
{

QString panMessage(const QString &pan);         // "Not a Valid PAN [value]"
QString aadhaarMessage(const QString &aadhaar); // "Not a Valid Aadhaar [value]"

// A date of payment must lie within the financial year firstDate..secondDate; a text that
// is not a date does not.
QString paymentDateMessage(const QString &date, const QString &firstDate, const QString &secondDate);

} // namespace PayeeChecks
