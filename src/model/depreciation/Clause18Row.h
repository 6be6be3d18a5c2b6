#pragma once

#include "Clause18Lists.h"
#include "catalogue/KeyedColumn.h"

#include <QDate>
#include <QStringList>

// One block row of the clause 18 grid, stored in Col1.. of point "18" of page 7. The grid's
// columns, their order and their roles are the catalogue's; the rules name the columns they
// compute with by the catalogue's keys and take their places from there.
namespace Clause18
{

// The column's place in the row (from 0).
struct RowIndex {
    static int of(const char *key);
};
using Column = KeyedColumn<RowIndex>;

inline const Column Description{"description"};
inline const Column Rate{"rate"};
inline const Column OpeningWdv{"openingWdv"};
inline const Column Adjustment115BAC{"adjustment115BAC"};         // entered with its sign
inline const Column AdjustmentIntangible{"adjustmentIntangible"}; // goodwill excluded, with its sign
inline const Column AdjustedWdv{"adjustedWdv"};
inline const Column PurchaseValue{"purchaseValue"};
inline const Column Cenvat{"cenvat"};
inline const Column ExchangeChange{"exchangeChange"};
inline const Column Subsidy{"subsidy"};
inline const Column TotalAdditions{"totalAdditions"};
inline const Column AdditionsLess180{"additionsLess180"};
inline const Column Additions180OrMore{"additions180OrMore"};
inline const Column TotalDeductions{"totalDeductions"};
inline const Column DeductionsNotOutOfLess180{"deductionsNotOutOfLess180"};
inline const Column DeductionsOutOfLess180{"deductionsOutOfLess180"};
inline const Column OtherAdjustments{"otherAdjustments"};
inline const Column DepreciationAllowable{"depreciationAllowable"};
inline const Column ClosingWdv{"closingWdv"};
inline const Column AdditionsList{"additionsList"};
inline const Column DeductionsList{"deductionsList"};
inline const Column BlockNil{"blockNil"}; // "True" when the block ceases to exist

// The number of columns of the grid.
int columnCount();

// A row of columnCount() empty cells.
QStringList emptyRow();

bool isBlockNil(const QStringList &row);

// A cell the user types an amount into that the rules do not compute (the adjustments, the
// other adjustments, the depreciation) is kept as a plain number.
bool isTypedAmountColumn(int column);
QString plainNumber(const QString &text);

// Puts the additions list into the row: its totals into the purchase value, CENVAT,
// exchange, subsidy and total columns, the total values split by the cut-off into the two
// 180-day columns, the list into its own column; then recomputes.
void applyAdditions(QStringList &row, const QList<AdditionEntry> &entries, const QDate &cutOff);
// Puts the deductions list into the row: the total, its split by the 180-day mark, the
// list into its own column; then recomputes.
void applyDeductions(QStringList &row, const QList<DeductionEntry> &entries);

// Adjusted written-down value and written-down value at the end of the year. A block-nil
// row closes at "0" and nothing else changes; a negative closing value shows "0".
void recompute(QStringList &row);

// The block's rate in percent as its rate column reads ("15%", "5.27%-"); 0 without a number.
double rateOf(const QStringList &row);

// The depreciation allowable of a block at rate percent: full rate on the part of the
// written-down value put to use for 180 days or more (adjusted value and those additions,
// less the other deductions), half rate on the additions put to use for less than 180
// days less the deductions out of them. Deductions beyond the full-rate part reduce the
// half-rate part; a base that is not positive gives nothing.
double depreciationAtRate(const QStringList &row, double rate);

// The depreciation at the block's own rate as the cell shows it: whole rupees or "###0.00".
QString depreciationText(double depreciation, bool wholeRupees);

// After the accountant changed a block row: while its depreciation allowable is empty or
// still the figure the rate gave for the row as it was before (`before`), it becomes the
// figure the rate gives now; a figure typed otherwise (additional depreciation, an asset
// used part of the year) is kept as typed, and so is the depreciation of a block-nil row or
// of a row without a rate. Then the row is recomputed.
void followRate(QStringList &row, const QStringList &before, bool wholeRupees);

} // namespace Clause18
