#include "PrintedGrid.h"

#include "PrintedValues.h"
#include "catalogue/ClauseCatalogue.h"
#include "model/ReportModel.h"

PrintedGrid PrintedGrid::of(const ReportModel &model, int page, const QString &point, const QList<int> &shown)
{
    PrintedGrid grid;
    for (const ReportModel::Row &row :
         PrintedValues::inSerialOrder(model.rows(page, point, model.formNameForPage(page)))) {
        const QString m = PrintedValues::markerOf(row.cols);
        if (!m.isEmpty()) {
            grid.marker = m;
            continue;
        }
        QStringList cells{row.cols.value(ReportModel::kSequenceColumn - 1).trimmed()};
        for (int c : shown)
            cells << row.cols.value(c);
        grid.rows << cells;
    }
    if (grid.rows.isEmpty() && grid.marker.isEmpty())
        grid.marker = QStringLiteral("Nil");
    return grid;
}

QList<int> PrintedGrid::shownColumns(const Catalogue::Control &control)
{
    QList<int> shown;
    for (int c = 0; c < control.columns.size(); ++c) {
        if (!control.columns.at(c).hidden)
            shown << c;
    }
    return shown;
}
