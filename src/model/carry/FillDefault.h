#pragma once

#include <QList>
#include <QString>

class ReportModel;

// The answers most clients give: "Nil" in an empty text box, "NA" or "No" for an
// unanswered question, one "Nil" row in an empty grid, the usual method of accounting.
// Written into every clause page of Form 3CD (pages 3 to 21) and of Form 3CEB (pages 3 to
// 12) where nothing was entered; an answer already there is never changed, so a second run
// changes nothing.
namespace FillDefault
{

inline const QString Question = QStringLiteral("Do you want to fill default values.?");
inline const QString Done = QStringLiteral("Fill Successfully.");

// Fills the model; the pages whose rows changed, in order.
QList<int> apply(ReportModel &report);

// Fills the stored report and saves the pages that changed, all in one change of the report
// (ChangeDeclined when the accountant does not let it replace what the pages hold).
QList<int> run(ReportModel &report);

} // namespace FillDefault
