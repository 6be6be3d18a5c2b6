#pragma once

class JsonLineWriter;
class ReportModel;

// The "Declaration" block of the accountant's report: paragraphs 1 and 3 of Form 3CA, or
// paragraphs 1, 2, 3 and 5 of Form 3CB, from the rows of the report page.
namespace DeclarationWriter
{

void writeForm3CA(JsonLineWriter &w, const ReportModel &rows);
void writeForm3CB(JsonLineWriter &w, const ReportModel &rows);

} // namespace DeclarationWriter
