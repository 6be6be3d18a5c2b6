#pragma once

#include "Clause18Lists.h"
#include "catalogue/DepreciationBlocks.h"

#include <QDate>
#include <QStringList>

// What an import gathers from a host depreciation chart for one clause 18 block, and the
// row it becomes.
struct ChartBlock {
    const DepreciationBlock *block = nullptr;
    double rate = 0; // the chart's income-tax rate in percent
    double opening = 0;
    QList<AdditionEntry> additions;
    QList<DeductionEntry> deductions;
    double additionalDepreciation = 0;
};

namespace ChartBlockRow
{

// The additional depreciation on one addition at rate percent, halved when the addition
// was put to use for less than 180 days.
double additionalDepreciation(const AdditionEntry &entry, double rate, const QDate &cutOff);

// The clause 18 row of a block. With depreciation, the depreciation allowable is the
// normal and the additional depreciation, in whole rupees when wholeRupees is set.
QStringList build(const ChartBlock &block, const QDate &cutOff, bool withDepreciation, bool wholeRupees);

// The client's "SEPDEP" setting asks for depreciation in whole rupees when it reads "1".
bool depreciationInWholeRupees();

} // namespace ChartBlockRow
