#pragma once

#include "pages/GridDelegate.h"

#include <QSet>

// Cell editing of the clause 18 grids: as every clause grid, except that computed
// columns take no typing and adjustment columns take a minus sign.
class Clause18CellDelegate : public GridDelegate
{
    Q_OBJECT
public:
    Clause18CellDelegate(ClauseGrid *grid, ListSources &lists, QSet<int> computed, QSet<int> signedColumns);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

    // Replaces the grid's delegate by one with these columns.
    static void install(ClauseGrid *grid, ListSources &lists, QSet<int> computed, QSet<int> signedColumns);

private:
    QSet<int> m_computed;
    QSet<int> m_signed;
};
