#include "ChoiceCombo.h"

#include <QAbstractItemModel>
#include <QComboBox>

namespace ChoiceCombo
{

namespace
{
const char *const kAsTyped = "choiceAsTyped";

// The drop-down is as wide as its longest entry, also once a stored text joins the entries.
// Until the entries change, the width Qt takes when it is first shown is that width; asking
// for AdjustToContents from the start would build the list that drops down for each box at
// once, a tenth of the making of the report page, for lists that are seldom opened.
void widenWithEntries(QComboBox *combo)
{
    const auto follow = [combo] {
        if (combo->sizeAdjustPolicy() == QComboBox::AdjustToContentsOnFirstShow)
            combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    };
    QAbstractItemModel *entries = combo->model();
    QObject::connect(entries, &QAbstractItemModel::rowsInserted, combo, follow);
    QObject::connect(entries, &QAbstractItemModel::rowsRemoved, combo, follow);
    QObject::connect(entries, &QAbstractItemModel::dataChanged, combo, follow);
    QObject::connect(entries, &QAbstractItemModel::modelReset, combo, follow);
}
} // namespace

QComboBox *make(QWidget *parent, const QString &name, const QStringList &items, Spelling spelling)
{
    auto *combo = new QComboBox(parent);
    combo->setProperty(kAsTyped, spelling == Spelling::AsTyped);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    widenWithEntries(combo);
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
