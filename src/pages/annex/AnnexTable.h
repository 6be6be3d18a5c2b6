#pragma once

#include <QTableWidget>

// The annexure window's grid: Enter and Tab walk the cells as in the clause grids, Enter
// in an editor keeps the value and moves on, and rows are moved up and down with their
// row numbers following.
class AnnexTable : public QTableWidget
{
    Q_OBJECT
public:
    explicit AnnexTable(QWidget *parent = nullptr);

    // Moves a row to another place; the rows between close up.
    void moveRow(int from, int to);
    void moveNext();
    // A cell whose value was refused keeps the focus when its editor closes.
    void keepCell(int row, int column);

signals:
    // Ctrl+Up and Ctrl+Down ask the window to move the current row by one.
    void moveRequested(int offset);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    QModelIndex nextCell() const;

    QPersistentModelIndex m_kept;
};
