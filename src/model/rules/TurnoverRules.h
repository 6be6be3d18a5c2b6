#pragma once

#include <QStringList>

class ReportModel;

// Page 20: the ratios of clause 40 and the computed column of clause 44.
namespace TurnoverRules
{

// Each ratio of the rows "40b" to "40e" from its two amounts (Clause40::recomputeRatios).
void recomputeRatios(ReportModel &model);

// Clause 44: the expenditure on entities registered under GST is the sum of the three
// kinds before it (columns 2 to 4 into column 5) on every row that is not a marker.
void recomputeRegisteredTotals(ReportModel &model);
// The same over one row's cells.
void fixClause44Row(QStringList &cells);

void apply(ReportModel &model);
// Whether the rules above read rows of the page.
bool reads(int page);

} // namespace TurnoverRules
