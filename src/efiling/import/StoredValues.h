#pragma once

#include <QString>
#include <QStringList>

class ClauseCatalogue;
class JsonValue;

// How e-filing values become stored clause values again: the inverse of the writer's
// conversions.
namespace StoredValues
{

// A member's value as text: a string's text, a number's digits as written, "true" or
// "false", and "" for null, objects and arrays.
QString text(const JsonValue &value);

// "yyyy-mm-dd" to "dd/mm/yyyy" from the last two, middle two and first four characters;
// empty stays empty and a value of another shape is kept as it is.
QString date(const QString &efiling);

// The stored text of a code of a catalogue code table. An entry may be stored under more
// than one spelling; the first of them found among `preferred` (the entries of the cell's
// drop-down list) is taken, else the entry's own text. A code the table lacks is kept.
QString textOfCode(const ClauseCatalogue &catalogue, const QString &table, const QString &code,
                   const QStringList &preferred = {});

} // namespace StoredValues
