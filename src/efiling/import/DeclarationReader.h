#pragma once

class ImportedRows;
class JsonValue;
class ClauseCatalogue;

// What the import takes back from the accountant's declaration: only the qualifications
// (and, for Form 3CB, the description of the other documents of paragraph 3). The rest of
// the report page is filled again on its page.
namespace DeclarationReader
{

// Form 3CA: the observations of paragraph 3 as rows "3CAQual" of page 1.
void readForm3CA(const JsonValue &formKey, ImportedRows &rows, const ClauseCatalogue &catalogue);
// Form 3CB: the observations of paragraph 5 as rows "Qual" of page 101, and the row
// "3CBPT3" holding "OCDI_Description" in Col2.
void readForm3CB(const JsonValue &formKey, ImportedRows &rows, const ClauseCatalogue &catalogue);

} // namespace DeclarationReader
