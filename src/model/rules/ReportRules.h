#pragma once

#include "model/ReportModel.h"

#include <memory>

// The rules every writer of a report applies to its rows, whichever screen or command
// writes: the shape pages keep rows in (SaveRules), the Part A defaults, clause 18's block
// texts and computed values, clause 40's ratios, clause 44's computed column and the totals
// of grid columns. They change the model only; saving it is the caller's choice.
namespace ReportRules
{

void applyAll(ReportModel &model);
// Whether a rule reads or changes the rows of the point. The grid rows of every other point
// come out of the rules as they went in, so an import may write them without a model.
bool reads(int page, const QString &point);

// The stored report with the rules applied, as every writer of its file takes it; nothing
// is saved.
std::unique_ptr<ReportModel> loadAsWritten(const ReportKey &key = ReportKey::current());
// A copy of the rows a report holds now (stored or not) with the rules applied; the report
// itself is left as it is.
std::unique_ptr<ReportModel> asWritten(const ReportModel &report);

} // namespace ReportRules
