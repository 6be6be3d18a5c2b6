#pragma once

#include "model/ListSources.h"

#include <QGroupBox>

class ClauseGrid;

// The observations and qualifications of the accountant's report: one grid row each,
// the type chosen from the qualification types (or typed) and its particulars.
class ObservationsBox : public QGroupBox
{
    Q_OBJECT
public:
    // point names the grid (grd + point) and its rows ("3CAQual" or "Qual").
    explicit ObservationsBox(const QString &point, QWidget *parent = nullptr);

    ClauseGrid *grid() const { return m_grid; }

private:
    ListSources m_lists;
    ClauseGrid *m_grid;
};
