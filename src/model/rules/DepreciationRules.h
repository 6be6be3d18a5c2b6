#pragma once

#include <QStringList>

class ReportModel;

// Clause 18 (page 7, point "18"): one row per block of assets.
namespace DepreciationRules
{

// A row the computations leave alone: empty, or the marker of a clause answered Nil or NA.
bool isBlockRow(const QStringList &cells);

// One block row as it is kept: a block text of earlier versions becomes today's, and a
// block row gets its typed amounts as plain numbers and its computed values.
void fixRow(QStringList &cells);

// Every row of clause 18 of the report.
void apply(ReportModel &model);
bool reads(int page, const QString &point);

} // namespace DepreciationRules
