#pragma once

#include "ClauseCatalogue.h"

#include <QString>

// How typed values are kept: amounts "###0.00", whole numbers "###0", dates "DD/MM/YYYY"
// through the host's ConvertDate. Texts that are not numbers (the markers "Nil" and "NA")
// are kept as typed.
namespace CellFormat
{

QString format(Catalogue::Kind kind, const QString &typed);
// The hint shown while a cell of that kind is edited, when the column names none.
QString defaultHint(Catalogue::Kind kind);
// The width in pixels of a grid column that names none, by its kind.
int defaultWidth(Catalogue::Kind kind);
// The column's own width, else its kind's.
int widthOf(const Catalogue::Column &column);
// The cell does not count as data when removing it needs no question: empty or "0.00".
bool isBlankValue(const QString &text);
// The numeric value of a cell, 0 when it is not a number.
double number(const QString &text);

} // namespace CellFormat
