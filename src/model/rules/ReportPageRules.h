#pragma once

#include "ReportFindings.h"

#include <optional>

class ReportModel;

// The checks of the accountant's report page over the report model: page 1 of Form 3CA, page
// 101 of Form 3CB. Each gives the first value the page refuses, in the page's order of checks,
// with the page's own message; its point and its place in that point's row (`column`, from 0).
namespace ReportPageRules
{

std::optional<ReportFinding> form3ca(const ReportModel &model);
std::optional<ReportFinding> form3cb(const ReportModel &model);

// The check of the report page of the model's form; none for Form 3CEB.
std::optional<ReportFinding> reportPage(const ReportModel &model);

} // namespace ReportPageRules
