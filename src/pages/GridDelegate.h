#pragma once

#include <QStyledItemDelegate>

class ClauseGrid;
class ListSources;

// Typed cell editing of a clause grid: drop-downs for list columns, amounts, whole numbers
// and dates typed freely and kept in their column's form or refused with a message, tick cells.
class QComboBox;

class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    GridDelegate(ClauseGrid *grid, ListSources &lists);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    // Shows a cell's value in its drop-down: the entry of that text, the text itself where the
    // list takes typed values, else no entry (a value outside the list is never replaced).
    static void showInList(QComboBox *combo, const QString &value);
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    ClauseGrid *m_grid;
    ListSources &m_lists;
};
