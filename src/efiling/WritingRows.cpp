#include "WritingRows.h"

#include "catalogue/ClauseCatalogue.h"
#include "model/rules/ReportRules.h"
#include "store/ReportRowReading.h"

#include <QHash>

namespace
{
bool isGrid(int page, const QString &point)
{
    const Catalogue::Page *shown = ClauseCatalogue::instance().page(page);
    if (!shown)
        return false;
    for (const Catalogue::Clause &clause : shown->clauses) {
        for (const Catalogue::Control &control : clause.controls) {
            if (control.type == Catalogue::ControlType::Grid && control.point == point)
                return true;
        }
    }
    return false;
}
} // namespace

WritingRows WritingRows::load(const ReportKey &key)
{
    WritingRows made;
    made.model = std::make_unique<ReportModel>(key);
    const int columns = key.form.valueColumns();
    QList<ReportModel::Row> kept;
    GridText *grid = nullptr;
    int page = -1;
    QString point;
    ClauseStore::readEach(key, [&](ReportModel::Row &&row) {
        // A point's rows come together: what becomes of them is decided at its first.
        if (row.page != page || row.point != point) {
            page = row.page;
            point = row.point;
            grid = nullptr;
            if (isGrid(page, point) && !ReportRules::reads(page, point)) {
                grid = &made.grids
                            .try_emplace({page, point}, page, point, key.form.formNameForPage(page), columns,
                                         columns)
                            .first->second;
            }
        }
        if (grid)
            grid->add(std::move(row));
        else
            kept << std::move(row);
    });
    for (auto &[where, text] : made.grids)
        text.sortAsReport();
    ClauseStore::sortAsReport(kept, columns);
    for (const ReportModel::Row &row : kept)
        made.model->append(row);
    ReportRules::applyAll(*made.model);
    return made;
}
