#pragma once

#include <QString>

class ImportedRows;

// How a Yes/No question's answer is stored when it comes back from a file: "Yes", "No" or
// "NA" as the shared routines store it, except for the questions whose pages write the
// row themselves as "True" or "False". The section 145 question also sets the "Not
// Applicable" tick of clause 13(d).
namespace OptionAnswers
{

// Stores the answer letter ("Y", "N" or "X") of the option point ("Opt13b") of a page.
void store(ImportedRows &rows, int page, const QString &option, const QString &letter);

} // namespace OptionAnswers
