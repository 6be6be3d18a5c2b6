#pragma once

#include "AnnexureLayout.h"

#include <QDate>

// The clause 18 workbook: blocks of assets, each opened by a row whose first cell is the
// block's description (one of the 47 of the block list); the rows under it, up to the next
// block, are its assets. An asset row gives the block its opening value, adjustments,
// other adjustments and depreciation (added up), an addition when it has a purchase and a
// deduction when it has a sale. The export writes a block's figures on an "Opening written
// down value" row, then an "Addition" row per addition and a "Deduction" row per deduction,
// so that importing it gives the block rows back.
namespace Clause18Workbook
{

AnnexureLayout layout();

// The worksheet rows of the clause's block rows (each 22 cells, Clause18::Column order);
// with no block rows, every block description, ready to be filled.
QList<QStringList> sheetRows(const QList<QStringList> &blockRows);

// The block rows of the worksheet rows under the headings, up to the first empty first
// cell. A date left out takes the cut-off date of the 180-day rule; a block without
// assets is left out; asset rows before the first block are ignored.
QList<QStringList> blockRows(const QList<QStringList> &sheetRows, const QDate &cutOff);

} // namespace Clause18Workbook
