#pragma once

class ReportEngine;
class ReportModel;
struct PrintChoices;

// The Form 3CA-3CD / 3CB-3CD report from the chosen templates: the front page filled and
// saved as 3CA.rtf (or 3CB.rtf) in the temporary folder and appended, a page break, the
// Form 3CD template filled, saved as 3CD.rtf and appended, the page footer when the print
// setup asks for it; then the engine shows the report.
namespace TemplateReport
{

// True when the print names both a front-page and a Form 3CD template.
bool chosen(const PrintChoices &choices);

// False, after a message, when a template cannot be read; the report is known to be filled.
bool build(ReportEngine &engine, const ReportModel &model, const PrintChoices &choices);

} // namespace TemplateReport
