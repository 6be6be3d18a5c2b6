#include "ReportReplacement.h"

#include "ImportTarget.h"
#include "model/ReportModel.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

namespace ReportReplacement
{

void replace(Database &db, const ImportTarget &target, const ReportModel &report)
{
    const QString table = target.report.clauseTable;
    QList<const ClauseStore::ClauseRow *> all;
    all.reserve(report.count());
    for (int page : report.pages()) {
        for (const QString &point : report.points(page)) {
            for (const ClauseStore::ClauseRow &row : report.rows(page, point))
                all << &row;
        }
    }
    Transaction transaction(db);
    db.Execute(QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND PageNo<>301").arg(table),
               {target.client, target.yearKey});
    ClauseStore::insertStoredRows(db, report.key(), all);
    transaction.commit();
}

} // namespace ReportReplacement
