#pragma once

#include <QString>

// The year check of the payments of clause 21(b).
namespace PayeeChecks
{

// A date of payment must lie within the financial year firstDate..secondDate; returns the
// message to show, or "" when it does. Empty cells and the markers "Nil" and "NA" pass;
// a text that is not a date does not.
QString paymentDateMessage(const QString &date, const QString &firstDate, const QString &secondDate);

} // namespace PayeeChecks
