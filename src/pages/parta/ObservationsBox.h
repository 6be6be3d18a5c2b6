#pragma once

#include "model/ListSources.h"

#include <QGroupBox>

class ClauseGrid;
class ReportModel;

// The observations and qualifications of the accountant's report: one grid row each,
// the type chosen from the qualification types (or typed) and its particulars.
class ObservationsBox : public QGroupBox
{
    Q_OBJECT
public:
    // point names the grid (grd + point) and its rows ("3CAQual" or "Qual") of the page in the
    // report, where the page saves them.
    explicit ObservationsBox(const QString &point, ReportModel &report, int page, QWidget *parent = nullptr);

    ClauseGrid *grid() const { return m_grid; }

private:
    ListSources m_lists;
    ClauseGrid *m_grid;
};
