#pragma once

class MasterFile;
class ReportModel;
struct Accountant;
struct PrintSetup;

// Fills the front-page template of Form 3CA or 3CB: the accountant's choices of words and
// dates of the report page, the assessee, the qualifications table and the signature. A
// blank form gets "__________" for names, dates and amounts and "__" for the choice words.
namespace TemplateFrontPage
{

void fill(MasterFile &file, const ReportModel &model, const PrintSetup &setup, const Accountant &accountant,
          bool blank);

} // namespace TemplateFrontPage
