#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Clause 18 from the host's depreciation charts, for the current client and year.
namespace DepreciationImports
{

struct Result {
    QList<QStringList> rows; // one clause 18 row per block, in chart order
    QStringList messages;    // what to tell the user afterwards, in order
};

// The block-wise chart: groups of the chart map to blocks through blockgroup; land is
// left out. withDepreciation fills the depreciation allowable (the answer to "Do you want
// to Import Figures for 'Depreciation Allowable'?"); additional depreciation is part of it
// unless the assessee opted for a regime that does not allow it.
Result fromBlockChart(bool withDepreciation, bool allowAdditional = true);

// The asset-wise chart's income-tax depreciation list, one row per asset class and rate.
Result fromAssetChart(bool withDepreciation, bool allowAdditional = true);

} // namespace DepreciationImports
