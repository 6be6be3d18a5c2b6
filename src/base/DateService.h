#pragma once

#include <QDate>
#include <QString>

// The date services of the host: accountants type dates in many shapes; the clause
// rows always hold "dd/mm/yyyy" and the e-filing files "yyyy-mm-dd".
namespace DateService
{

// Reads "1/4/24", "01-04-2024", "01.04.2024", "01042024", "010424" or "2024-04-01".
// An invalid QDate when the text is not a date.
QDate parse(const QString &text);

// The text as "dd/mm/yyyy". A text that is not a date comes back trimmed and unchanged
// (so the markers "Nil" and "NA" survive), or empty when strict is set.
QString ConvertDate(const QString &text, bool strict = false);

// "dd/mm/yyyy" to "yyyy-mm-dd"; empty stays empty.
QString XmlDateOut(const QString &text);

// The date value of a text in any of the accepted shapes.
QDate MyDateSerial(const QString &text);

// True for a text that ConvertDate reads as a date.
bool isDate(const QString &text);

} // namespace DateService
