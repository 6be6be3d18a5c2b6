#pragma once

#include <QString>

class ReportEngine;
class ReportModel;
class ReportWriter;

// The clause 18 depreciation report, on the wide page: one row per block in the order of
// the grid (the purchase value, the three adjustments and the total value of purchase in
// columns of their own), a total row, then each block's additions and deductions.
namespace DepreciationReport
{

inline const QString Title = QStringLiteral("Depreciation allowable.");

void build(ReportEngine &engine, const ReportModel &model);
// The chart alone (the blocks, the total, each block's additions and deductions), saved as a
// rich-text file for a report to insert; false when it cannot be written.
bool saveChart(const ReportModel &model, const QString &path);
// The chart written into a report on the wide page.
void writeChart(ReportWriter &writer, const ReportModel &model);

} // namespace DepreciationReport
