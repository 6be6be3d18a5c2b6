#pragma once

#include "store/ClauseStore.h"

#include <QVariantList>

class QWidget;
class QComboBox;

// Moves the controls of a page into clause rows: a grid one row per non-empty grid row,
// a text box, option button or check box one row, a list of controls one row.
namespace ClauseStore
{

// Writes one control: a grid one row per non-empty grid row (with its row number in the
// sequence column when withSequence is set), a text box, option button or check box one row.
void SaveClauseControl(QWidget *control, const QString &point, int page, bool withSequence = true);
// Writes one row for a list of controls: the k-th control to column k.
void SaveControlArray(const QString &point, int page, const QList<QWidget *> &controls);

// Fills a list with the first column of a query as texts and the second (when present) as item data.
void FillCombo(QComboBox *combo, const QString &sql, const QVariantList &binds = {});

} // namespace ClauseStore
