#include "TdsImport.h"

#include "TdsWorkbook.h"
#include "model/ClauseGridModel.h"
#include "model/rules/ListedAnswers.h"
#include "store/ReportKey.h"

namespace TdsImport
{

QString financialYear(const QString &yearKey)
{
    return ReportKey::twoYears(yearKey.toInt() - 1);
}

QList<ClauseList> merged(ReportModel &report, const QHash<QString, QList<QStringList>> &rowsByPoint,
                         bool replace)
{
    QList<ClauseList> lists;
    for (const TdsWorkbook::List &list : TdsWorkbook::lists()) {
        if (!rowsByPoint.contains(list.point))
            continue;
        const AnnexureClause clause = *AnnexureClause::find(list.point);
        QList<QStringList> rows;
        if (!replace) {
            const ClauseGridModel grid(report, clause.page, clause.point);
            for (int r = 0; r < grid.rowCount(); ++r)
                rows << grid.rowCells(r);
        }
        lists << ClauseList{clause, ListedAnswers::withoutMarkers(rows) + rowsByPoint.value(list.point)};
    }
    return lists;
}

} // namespace TdsImport
