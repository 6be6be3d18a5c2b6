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

// The depreciation allowable of a block at rate percent: full rate on the part of the
// written-down value put to use for 180 days or more (opening value and those additions,
// less the other deductions), half rate on the additions put to use for less than 180
// days less the deductions out of them. Deductions beyond the full-rate part reduce the
// half-rate part; a base that is not positive gives nothing.
double normalDepreciation(const QStringList &row, double rate);

// The additional depreciation on one addition at rate percent, halved when the addition
// was put to use for less than 180 days.
double additionalDepreciation(const AdditionEntry &entry, double rate, const QDate &cutOff);

// The clause 18 row of a block. With depreciation, the depreciation allowable is the
// normal and the additional depreciation, in whole rupees when wholeRupees is set.
QStringList build(const ChartBlock &block, const QDate &cutOff, bool withDepreciation, bool wholeRupees);

// The client's "SEPDEP" setting asks for depreciation in whole rupees when it reads "1".
bool depreciationInWholeRupees();

} // namespace ChartBlockRow
