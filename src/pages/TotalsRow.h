#pragma once

#include <QStringList>
#include <QWidget>

class ClauseGrid;

// The totals under a long list: the sum of each amount column of the grid, drawn in line with
// its columns just below it. It is no row of the grid: nothing stores, writes or prints it,
// and it takes neither the focus nor typing.
class TotalsRow : public QWidget
{
    Q_OBJECT
public:
    TotalsRow(ClauseGrid *grid, QWidget *parent);

    // The columns that are added up: the visible amount columns.
    static QList<int> summedColumns(const ClauseGrid &grid);
    // The text under each column of the grid, "" where nothing is added up.
    QStringList texts() const { return m_texts; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void recount();

    ClauseGrid *m_grid;
    QList<int> m_summed;
    QStringList m_texts;
};
