#pragma once

#include <QStyledItemDelegate>

class ClauseGrid;
class ListSources;

// Typed cell editing of a clause grid: drop-downs for list columns, digits only in
// amount and whole-number columns, dates typed freely and kept as DD/MM/YYYY, tick cells.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    GridDelegate(ClauseGrid *grid, ListSources &lists);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    ClauseGrid *m_grid;
    ListSources &m_lists;
};
