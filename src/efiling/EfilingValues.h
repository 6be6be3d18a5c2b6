#pragma once

#include <QString>

// How stored clause values become e-filing values.
namespace EfilingValues
{

// "dd/mm/yyyy" to "yyyy-mm-dd" from the last four, middle two and first two characters;
// empty stays empty (anything else is taken apart the same way, for the schema to judge).
QString date(const QString &stored);

// The assessment year as one number: the first year of the financial year plus one.
int assessmentYear(const QString &firstDate);

} // namespace EfilingValues
