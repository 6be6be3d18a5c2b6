#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

// The drop-downs of the report pages whose entries are fixed texts; the text chosen is
// what is stored.
namespace ChoiceCombo
{

QComboBox *make(QWidget *parent, const QString &name, const QStringList &items);

// Shows a stored choice: the entry equal to it in any letter case (rows carried over
// from other forms may differ in case), else the stored text itself, added to the list
// so that nothing stored is lost. An empty value leaves no selection.
void show(QComboBox *combo, const QString &stored);

} // namespace ChoiceCombo
