#include "GridDelegate.h"

#include "ClauseGrid.h"
#include "catalogue/Vocabulary.h"
#include "model/ListSources.h"
#include "model/rules/CellChecks.h"

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

using Catalogue::Kind;

GridDelegate::GridDelegate(ClauseGrid *grid, ListSources &lists)
    : QStyledItemDelegate(grid), m_grid(grid), m_lists(lists)
{
}

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                    const QModelIndex &index) const
{
    const Catalogue::Column &col = m_grid->column(index.column());
    emit m_grid->hintChanged(m_grid->hintOf(index.column()));
    // The clause's rules fill a computed column.
    if (col.computed)
        return nullptr;
    switch (col.kind) {
    case Kind::Tick:
        return nullptr;
    case Kind::List: {
        auto *combo = new QComboBox(parent);
        combo->addItems(m_lists.items(col.list, m_grid->dependsOnValue(index.row(), index.column())));
        combo->setEditable(col.editable || m_lists.isEditable(col.list));
        if (combo->isEditable()) {
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
            combo->completer()->setFilterMode(Qt::MatchContains);
        }
        return combo;
    }
    case Kind::Amount:
    case Kind::Whole: {
        // Every key is taken: what is not an amount is refused with a message when the cell is
        // left, never dropped unseen as it is typed.
        auto *edit = new QLineEdit(parent);
        edit->setAlignment(Qt::AlignRight);
        return edit;
    }
    case Kind::Date: {
        auto *edit = new QLineEdit(parent);
        edit->setPlaceholderText(QStringLiteral("DD/MM/YYYY"));
        return edit;
    }
    case Kind::Text:
        break;
    }
    auto *edit = new QLineEdit(parent);
    // PANs and TANs are written in capitals whatever the keyboard's state.
    if (col.check == QLatin1String("pan") || col.check == QLatin1String("tan")) {
        connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
            const int at = edit->cursorPosition();
            edit->setText(text.toUpper());
            edit->setCursorPosition(at);
        });
    }
    return edit;
}

void GridDelegate::showInList(QComboBox *combo, const QString &value)
{
    const int at = combo->findText(value);
    if (at >= 0)
        combo->setCurrentIndex(at);
    else if (combo->isEditable())
        combo->setEditText(value);
    else
        combo->setCurrentIndex(-1);
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString value = index.data(Qt::EditRole).toString();
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        showInList(combo, value);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        // A marker in a numeric cell is replaced when typing starts.
        const Kind kind = m_grid->column(index.column()).kind;
        const bool numeric = kind == Kind::Amount || kind == Kind::Whole;
        edit->setText(numeric && Vocabulary::isMarker(value) ? QString() : value);
    }
}

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    QString value;
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        value = combo->currentText();
    else if (auto *edit = qobject_cast<QLineEdit *>(editor))
        value = edit->text();
    const Catalogue::Column &column = m_grid->column(index.column());
    const QString stored = CellChecks::kept(column, value);
    if (stored == index.data(Qt::EditRole).toString())
        return;
    model->setData(index, stored, Qt::EditRole);
    m_grid->cellEdited(index.row(), index.column());
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    const Kind kind = m_grid->column(index.column()).kind;
    if (kind != Kind::Tick) {
        QStyleOptionViewItem opt(option);
        if (kind == Kind::Amount || kind == Kind::Whole)
            opt.displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
        QStyledItemDelegate::paint(painter, opt, index);
        return;
    }
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    cell.text.clear();
    QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
    QStyleOptionButton box;
    box.rect = QApplication::style()->subElementRect(QStyle::SE_CheckBoxIndicator, &box, nullptr);
    box.rect.moveCenter(option.rect.center());
    box.state = QStyle::State_Enabled |
                (Vocabulary::isTicked(index.data().toString()) ? QStyle::State_On : QStyle::State_Off);
    QApplication::style()->drawControl(QStyle::CE_CheckBox, &box, painter);
}

bool GridDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                               const QModelIndex &index)
{
    if (m_grid->column(index.column()).kind == Kind::Tick && event->type() == QEvent::MouseButtonRelease) {
        const bool ticked = Vocabulary::isTicked(index.data().toString());
        model->setData(index, ticked ? QString() : Vocabulary::TrueWord);
        m_grid->cellEdited(index.row(), index.column());
        return true;
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
