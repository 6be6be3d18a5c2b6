#include "AnnexTable.h"

#include "pages/CellOrder.h"

#include <QKeyEvent>

AnnexTable::AnnexTable(QWidget *parent) : QTableWidget(parent)
{
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
}

void AnnexTable::moveRow(int from, int to)
{
    if (from < 0 || from >= rowCount() || to < 0 || to >= rowCount() || from == to)
        return;
    const int column = qMax(0, currentColumn());
    QList<QTableWidgetItem *> cells;
    for (int c = 0; c < columnCount(); ++c)
        cells << takeItem(from, c);
    removeRow(from);
    insertRow(to);
    for (int c = 0; c < columnCount(); ++c)
        if (cells.at(c))
            setItem(to, c, cells.at(c));
    setCurrentCell(to, column);
}

QModelIndex AnnexTable::nextCell() const
{
    const auto [row, column] = CellOrder::next(currentRow(), currentColumn(), rowCount(), columnCount(),
                                               [this](int c) { return !isColumnHidden(c); });
    return row < 0 ? QModelIndex() : model()->index(row, column);
}

void AnnexTable::moveNext()
{
    const QModelIndex next = nextCell();
    if (next.isValid())
        setCurrentIndex(next);
}

void AnnexTable::keepCell(int row, int column)
{
    if (state() == EditingState)
        m_kept = model()->index(row, column);
    setCurrentCell(row, column);
}

QModelIndex AnnexTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveNext)
        return nextCell();
    return QTableWidget::moveCursor(action, modifiers);
}

void AnnexTable::keyPressEvent(QKeyEvent *event)
{
    // Enter belongs to the grid: it never reaches the window's default button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        moveNext();
        return;
    }
    if (event->modifiers() == Qt::ControlModifier &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        emit moveRequested(event->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void AnnexTable::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const QModelIndex kept = std::exchange(m_kept, QPersistentModelIndex());
    if (kept.isValid()) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        setCurrentIndex(kept);
        return;
    }
    QTableWidget::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        moveNext();
}
