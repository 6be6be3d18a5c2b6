#include "ChoiceCombo.h"

#include <QComboBox>

namespace ChoiceCombo
{

QComboBox *make(QWidget *parent, const QString &name, const QStringList &items)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

void show(QComboBox *combo, const QString &stored)
{
    const QString value = stored.trimmed();
    if (value.isEmpty()) {
        combo->setCurrentIndex(-1);
        return;
    }
    int index = combo->findText(value, Qt::MatchFixedString);
    if (index < 0) {
        combo->addItem(value);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

} // namespace ChoiceCombo
