#pragma once

#include <QString>

// Amounts as the clause pages keep them: text in the clause rows and cells, shown
// "###0.00" (rupees and paise) or "###0" (whole rupees).
namespace Amounts
{

// The number a text starts with, as accountants type it: blanks and thousands commas are
// ignored, reading stops at the first character that cannot continue the number, and a
// text without a number ("", "Nil") is 0.
double value(const QString &text);

// True when the whole text (blanks and commas aside) is a number.
bool isNumber(const QString &text);

// "###0.00" and "###0", rounding halves away from zero.
QString format2(double amount);
QString format0(double amount);

// A text rounded to whole rupees when it is a number, else unchanged ("Nil" stays "Nil").
QString wholeRupees(const QString &text);

} // namespace Amounts
