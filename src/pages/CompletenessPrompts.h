#pragma once

#include "model/rules/ReportFindings.h"

#include <QSet>
#include <QString>
#include <optional>

class ClauseGrid;
class QCheckBox;
class QWidget;

// Checks one clause before a page is saved with validation: a clause is never left
// silently blank; where the law allows "no information" the user may answer it with
// "Nil". Pages call CheckClause in their clause order and stop at the first False.
namespace CompletenessPrompts
{

// The main window registers how to bring a page to the front (by page number).
void setNavigator(std::function<void(int page)> navigator);
// The page that holds a control: the number in the name of its page window ("frmPage7").
int pageOf(const QWidget *control);
// Brings the control's page to the front and puts the focus on the control.
void showControl(QWidget *control);
// Shows the control, says why its value is refused and leaves the focus in it; always false,
// so that a check can return it. Said once: the message takes the focus from the control,
// which then reports being left again while the message is open.
bool refuse(QWidget *control, const QString &message);
// Shows what the check of a clause found in the control: a clause that must be filled is
// named and focused (false); a blank one is asked about, and answered "Nil" in the control
// when the user has no information (true). Without a finding: true.
bool showFinding(QWidget *control, const std::optional<ReportFinding> &finding);

} // namespace CompletenessPrompts

// True when the clause's grid is complete or the user accepted it as "no information" (the
// grid then holds one "Nil" row); False when it must be filled (the user has been told). The
// grid is checked over the rows of the report model it shows; one that is not applicable or
// disabled counts as complete. optionalColumns: columns (from 0) a filled row may leave empty.
bool CheckClause(ClauseGrid *grid, const QString &label, const QCheckBox *notApplicable = nullptr,
                 bool mandatory = false, const QSet<int> &optionalColumns = {});
