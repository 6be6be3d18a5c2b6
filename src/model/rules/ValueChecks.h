#pragma once

#include <QString>

// The checks of single values that every writer of a report applies before it keeps them:
// the UDIN and the signing date (identity numbers and dates are checked by base/IdentityChecks
// and base/DateService). Pure functions; the pages show the messages.
namespace ValueChecks
{

// The UDIN as it is kept: trimmed, in upper case.
QString normalisedUdin(const QString &typed);
// Eight digits (membership number and year) and ten letters or digits; the text as kept.
bool isUdin(const QString &udin);

// The signing page's rule for its date: a date before 31 March of the year key is refused
// with the message returned; an empty date and the markers pass (""), as does any later date.
QString signingDateMessage(const QString &date, const QString &yearKey);

} // namespace ValueChecks
