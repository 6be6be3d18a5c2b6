#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

// The drop-downs of the report pages whose entries are fixed texts; the text chosen is
// what is stored.
namespace ChoiceCombo
{

// How a stored value meets the entries: a choice is shown as the entry it names in any letter
// case; a free text of the form (the type of account) whose entries only offer words is shown
// exactly as it is kept.
enum class Spelling { AsListed, AsTyped };

QComboBox *make(QWidget *parent, const QString &name, const QStringList &items,
                Spelling spelling = Spelling::AsListed);

// Shows a stored choice: the entry equal to it (in any letter case unless the combo keeps
// what is typed; rows carried over from other forms may differ in case), else the stored
// text itself, added to the list so that nothing stored is lost. An empty value leaves no
// selection.
void show(QComboBox *combo, const QString &stored);

} // namespace ChoiceCombo
