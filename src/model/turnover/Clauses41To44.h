#pragma once

#include <QString>

// Rules of clauses 42 and 43 on page 20.
namespace Clauses41To44
{

// Clause 42's identification number: a TAN or a PAN, a point, two letters and three
// digits ("MUMS12345A.AB123", "AABCS1234K.AB123").
bool isIdentificationNumber(const QString &text);
// Why clause 42's identification number is refused; "" for a good one or a marker ("Nil").
QString identificationMessage(const QString &text);

// "Date of furnishing should be greater than or equals to '01/04/<first year>'" when a
// date of clause 42 or 43 precedes the year's first day; "" otherwise (and for texts
// that are not dates).
QString furnishingDateMessage(const QString &date, const QString &firstDate);

} // namespace Clauses41To44
