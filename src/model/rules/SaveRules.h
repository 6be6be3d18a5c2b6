#pragma once

#include <QString>

class ReportModel;
namespace Catalogue
{
struct Clause;
}

// The shape a page's rows are kept in, whichever screen or command writes them: grid cells
// trimmed, ticks "1" or "0", answers "Yes", "No" or "NA", except the questions whose rows
// the catalogue spells "True" or "False". A page applies them to its rows at every
// save; the writers of files and the imports apply them to the whole report.
namespace SaveRules
{

// The stored text of an answer ("Yes", "No" or "NA", in any spelling) of a clause's
// question, in the spelling the catalogue gives the clause; of an option point ("Opt13b").
QString storedAnswer(const Catalogue::Clause &clause, const QString &answer);
QString storedAnswer(const QString &option, const QString &answer);
// A tick as stored: "1" when it is ticked in any spelling, else "0".
QString storedTick(const QString &value);
// A grid row's cells as stored: without the blanks around them.
void trimCells(QStringList &cells);

// The rows of one page (and the page's ticks kept under page 201); the report page's words
// and the signing page's rows as PartARules keeps them.
void apply(ReportModel &model, int page);
// Every page of the report (the Part A rules are the report's own to apply).
void apply(ReportModel &model);

} // namespace SaveRules
