#pragma once

class ReportModel;

// The rules every writer of a report applies to its rows, whichever screen or command
// writes: the Part A defaults, clause 18's block texts and computed values, clause 40's
// ratios, clause 44's computed column and the totals of grid columns. They change the
// model only; saving it is the caller's choice.
namespace ReportRules
{

void applyAll(ReportModel &model);

} // namespace ReportRules
