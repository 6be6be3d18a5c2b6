#pragma once

#include <QString>

// The checks of single values that every writer of a report applies before it keeps them:
// identity numbers, the UDIN and dates. Pure functions; the pages show the messages.
namespace ValueChecks
{

bool isPan(const QString &pan);
bool isAadhaar(const QString &aadhaar);

// The UDIN as it is kept: trimmed, in upper case.
QString normalisedUdin(const QString &typed);
// Eight digits (membership number and year) and ten letters or digits; the text as kept.
bool isUdin(const QString &udin);

// "Nil" or "NA" in any letter case: a clause with nothing to report.
bool isMarker(const QString &text);
// A text the date service reads as a date.
bool isDate(const QString &text);

// The signing page's rule for its date: a date before 31 March of the year key is refused
// with the message returned; an empty date and the markers pass (""), as does any later date.
QString signingDateMessage(const QString &date, const QString &yearKey);

} // namespace ValueChecks
