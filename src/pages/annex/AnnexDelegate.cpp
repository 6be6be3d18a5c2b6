#include "AnnexDelegate.h"

#include "pages/GridDelegate.h"

#include <QComboBox>
#include <QCompleter>

AnnexDelegate::AnnexDelegate(ChoicesOf choices, QObject *parent)
    : QStyledItemDelegate(parent), m_choices(std::move(choices))
{
}

QWidget *AnnexDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    const std::optional<Choices> choices = m_choices(index.row(), index.column());
    if (!choices)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *combo = new QComboBox(parent);
    combo->addItems(choices->items);
    combo->setEditable(choices->editable);
    if (combo->isEditable()) {
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
        combo->completer()->setFilterMode(Qt::MatchContains);
    }
    return combo;
}

void AnnexDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    GridDelegate::showInList(combo, index.data(Qt::EditRole).toString());
}

void AnnexDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    // A list left without a choice keeps what the cell held.
    if (!combo->isEditable() && combo->currentIndex() < 0)
        return;
    if (combo->currentText() != index.data(Qt::EditRole).toString())
        model->setData(index, combo->currentText(), Qt::EditRole);
}
