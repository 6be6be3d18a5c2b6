#include "ChoiceCombo.h"

#include <QComboBox>

namespace ChoiceCombo
{

namespace
{
const char *const kAsTyped = "choiceAsTyped";
} // namespace

QComboBox *make(QWidget *parent, const QString &name, const QStringList &items, Spelling spelling)
{
    auto *combo = new QComboBox(parent);
    combo->setProperty(kAsTyped, spelling == Spelling::AsTyped);
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
    const bool asTyped = combo->property(kAsTyped).toBool();
    int index =
        combo->findText(value, asTyped ? Qt::MatchExactly | Qt::MatchCaseSensitive : Qt::MatchFixedString);
    if (index < 0) {
        combo->addItem(value);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

} // namespace ChoiceCombo
