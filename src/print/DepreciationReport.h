#pragma once

class ReportEngine;
class ReportModel;

// The clause 18 depreciation report, on the wide page: one row per block in the order of
// the grid (the purchase value, the three adjustments and the total value of purchase in
// columns of their own), a total row, then each block's additions and deductions.
namespace DepreciationReport
{

void build(ReportEngine &engine, const ReportModel &model);

} // namespace DepreciationReport
