#pragma once

#include <QString>

class ReportEngine;
class ReportModel;
struct PrintChoices;

// The Form 3CA-3CD / 3CB-3CD report: the front page, a page break, the Form 3CD body, the
// page footer when the print setup asks for it; then the engine shows it. Filled from the
// chosen templates when the print names them, written as ruled tables otherwise.
namespace AuditReport
{

// False, after "Form is not filled please fill the form", when the report page was never
// saved (a blank form needs none).
bool build(ReportEngine &engine, const ReportModel &model, const PrintChoices &choices);

// False, after "Form is not filled please fill the form", when the report's page holds no
// stored row: the rows the rules derive when a report is read do not fill a form.
bool isFilled(const ReportModel &model, int page);

// The footer band of a client's report: "AY - " and the assessment year, the client's
// name and the running page number.
void writeFooter(ReportEngine &engine, const QString &yearKey, const QString &clientName);

} // namespace AuditReport
