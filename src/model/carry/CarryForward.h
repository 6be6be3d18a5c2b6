#pragma once

#include <QString>

class ReportModel;

// Last year's report made this year's: what belongs to last year's signing goes, clause 8
// speaks today's wording, last year's figures become this year's previous-year figures,
// and Part A takes this year's dates. The rows of the database import and of last year's
// e-filing file go through the same steps.
namespace CarryForward
{

inline const QString WithoutFiguresQuestion = QStringLiteral("Do you want to import data without figures?.");

// Rows of a layout before clauses 23, 28 and 29 asked for the Aadhaar number (the older
// clause tables) gain its empty column.
enum class Layout { Current, BeforeAadhaar };

// The model holds last year's rows keyed to this year's report.
void roll(ReportModel &report, Layout layout = Layout::Current);

// Rows of the layout before the Aadhaar column made today's.
void widenOlderRows(ReportModel &report);

// Sets the amounts of the figure clauses (clause 18's grid, clause 27's and clause 40's
// boxes and clause 13(e)'s totals) to zero, each written as its cell takes it ("0.00", or
// "0" where whole rupees are asked).
void dropFigures(ReportModel &report);

// The same for the figure boxes alone: clause 13(e)'s totals and clause 27's and clause
// 40's boxes, not clause 18's grid.
void dropFigureBoxes(ReportModel &report);

// Empties the dates and years that were last year's to give: the audit report's date, every
// date of the clauses (due dates, dates of payment, of furnishing, of orders) and the
// assessment and financial years their rows name.
void dropLastYearsDates(ReportModel &report);

} // namespace CarryForward
