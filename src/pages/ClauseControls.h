#pragma once

#include "store/ClauseStore.h"

#include <QVariantList>

class QWidget;
class QComboBox;
class ReportModel;

// Moves the controls of a page into the clause rows of its report model: a grid one row per
// non-empty grid row, a text box, option button or check box one row, a list of controls
// one row. The page then saves the model's rows.
namespace ClauseStore
{

// Puts one control into the report's rows of the page: a grid one row per non-empty grid row
// (with its row number in the sequence column when withSequence is set; a grid that shows
// those very rows of the report has them there already), a text box, option button or check
// box one row.
void SaveClauseControl(ReportModel &report, QWidget *control, const QString &point, int page,
                       bool withSequence = true);
// Puts one row for a list of controls into the report: the k-th control to column k.
void SaveControlArray(ReportModel &report, const QString &point, int page, const QList<QWidget *> &controls);

// Fills a list with the first column of a query as texts and the second (when present) as item data.
void FillCombo(QComboBox *combo, const QString &sql, const QVariantList &binds = {});

} // namespace ClauseStore
