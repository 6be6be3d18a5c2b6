#pragma once

#include "Clause18Lists.h"

#include <QDate>
#include <QStringList>

// One block row of the clause 18 grid: 22 cells, stored in Col1..Col22 of point "18".
namespace Clause18
{

enum Column {
    Description = 0,
    Rate = 1,
    OpeningWdv = 2,
    Adjustment115BAC = 3,     // section 115BAC/115BAD option, entered with its sign
    AdjustmentIntangible = 4, // intangible assets other than goodwill, entered with its sign
    AdjustedWdv = 5,          // computed
    PurchaseValue = 6,
    Cenvat = 7,
    ExchangeChange = 8,
    Subsidy = 9,
    TotalAdditions = 10,
    AdditionsLess180 = 11,
    Additions180OrMore = 12,
    TotalDeductions = 13,
    DeductionsNotOutOfLess180 = 14,
    DeductionsOutOfLess180 = 15,
    OtherAdjustments = 16,
    DepreciationAllowable = 17,
    ClosingWdv = 18, // computed
    AdditionsList = 19,
    DeductionsList = 20,
    BlockNil = 21, // "True" when the block ceases to exist
    ColumnCount = 22
};

// A row of ColumnCount empty cells.
QStringList emptyRow();

bool isBlockNil(const QStringList &row);

// A cell the user types a signed amount into (columns 3, 4, 16, 17) is kept as a plain number.
bool isTypedAmountColumn(int column);
QString plainNumber(const QString &text);

// Puts the additions list into the row: its totals into columns 6-10, the total values
// split by the cut-off into columns 11 and 12, the list into column 19; then recomputes.
void applyAdditions(QStringList &row, const QList<AdditionEntry> &entries, const QDate &cutOff);
// Puts the deductions list into the row: total into 13, split into 14 and 15, the list
// into 20; then recomputes.
void applyDeductions(QStringList &row, const QList<DeductionEntry> &entries);

// Adjusted written-down value and written-down value at the end of the year. A block-nil
// row closes at "0" and nothing else changes; a negative closing value shows "0".
void recompute(QStringList &row);

} // namespace Clause18
