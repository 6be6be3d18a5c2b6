#include "ListedAnswers.h"

#include "SaveRules.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"

#include <algorithm>
#include <iterator>

namespace ListedAnswers
{

namespace
{

bool holdsEntry(const QStringList &cells)
{
    return std::any_of(cells.begin(), cells.end(), [](const QString &cell) {
        return !cell.trimmed().isEmpty() && !Vocabulary::isMarker(cell);
    });
}

} // namespace

void answer(ReportModel &report, int page, const QString &gridPoint)
{
    const Catalogue::Clause *clause = ClauseCatalogue::instance().clauseOf(page, gridPoint);
    if (!clause)
        return;
    const int width = report.sequenceColumn() - 1;
    const QList<ReportModel::Row> &rows = report.rows(page, gridPoint);
    if (std::none_of(rows.begin(), rows.end(),
                     [&](const ReportModel::Row &row) { return holdsEntry(row.cols.mid(0, width)); }))
        return;
    if (!clause->option.isEmpty())
        report.setRows(page, clause->option, {{SaveRules::storedAnswer(*clause, Vocabulary::Yes)}});
    if (!clause->na.isEmpty() && Vocabulary::isTicked(report.value(page, clause->na)))
        report.setRows(page, clause->na, {{SaveRules::storedTick(QStringLiteral("0"))}});
}

QList<QStringList> withoutMarkers(const QList<QStringList> &rows)
{
    QList<QStringList> kept;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(kept), holdsEntry);
    return kept;
}

} // namespace ListedAnswers
