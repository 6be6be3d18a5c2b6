#pragma once

class ReportEngine;
class ReportModel;

// The Form 3CEB report in table mode: the accountant's report under section 92E with its
// three paragraphs and signature, then the Annexure: Part A (the assessee), Part B (the
// associated enterprises and each international transaction clause) and Part C (the
// specified domestic transactions). A clause answered No prints its question and answer
// only; one answered Yes prints its grid, rows in the order of their serial numbers.
namespace Form3cebReport
{

// False, after "Form is not filled please fill the form", when page 1 was never saved.
bool build(ReportEngine &engine, const ReportModel &model);

} // namespace Form3cebReport
