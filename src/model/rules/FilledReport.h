#pragma once

#include <QString>

class ReportModel;

// Whether a report was ever filled in: what prints or files it refuses one that was not.
namespace FilledReport
{

// "Form is not filled please fill the form".
QString notFilled();

// True when the page holds a stored row: the rows the rules derive when a report is read do
// not fill a form. The report page (1 for Form 3CA, 101 for Form 3CB) when none is given.
bool isFilled(const ReportModel &model, int page = 0);

} // namespace FilledReport
