#pragma once

class JsonLineWriter;
class ReportRows;

// The "Declaration" block of the accountant's report: paragraphs 1 and 3 of Form 3CA, or
// paragraphs 1, 2, 3 and 5 of Form 3CB, from the rows of the report page.
namespace DeclarationWriter
{

void writeForm3CA(JsonLineWriter &w, const ReportRows &rows);
void writeForm3CB(JsonLineWriter &w, const ReportRows &rows);

} // namespace DeclarationWriter
