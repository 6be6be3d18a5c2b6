#pragma once

class ReportModel;
class ReportWriter;
struct PrintSetup;
struct Accountant;

// The front page of the audit report: Form 3CA or Form 3CB in the published wording, the
// accountant's choices of words and dates from the report page, the observations and
// qualifications, the UDIN line and the signature. A blank form prints "__________" for
// names, dates and amounts and "__" for the choice words.
namespace FrontPage
{

void write(ReportWriter &writer, const ReportModel &model, const PrintSetup &setup,
           const Accountant &accountant, bool blank);

} // namespace FrontPage
