#pragma once

#include <QString>
#include <optional>

// What an amount cell may hold and how it is kept. Accountants type lakhs and crores with
// Indian digit grouping ("1,00,000"); the e-filing file wants the bare number, so the
// grouping is dropped when the amount is kept. Anything else that is not a number is
// refused where it is typed, before the file is written.
namespace AmountText
{

// The amount as it is kept: trimmed, without digit-grouping commas ("1,00,000.50" gives
// "100000.50", "-2,500" gives "-2500"); "" stays "". No value for text that is not an amount
// ("12 lakhs", "1,00,0", "abc").
std::optional<QString> stored(const QString &typed);
// True when the text is an amount as it is kept: an optional "-", digits and optional
// decimals, nothing around them.
bool isKept(QStringView text);

} // namespace AmountText
