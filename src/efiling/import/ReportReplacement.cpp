#include "ReportReplacement.h"

#include "ImportTarget.h"
#include "ImportedRows.h"
#include "model/ReportModel.h"
#include "model/rules/SaveRules.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

namespace ReportReplacement
{

namespace
{
// Rows unpacked at a time: enough to keep the statements full, few enough to take little memory.
constexpr int kGroup = 2048;
} // namespace

void replace(Database &db, const ImportTarget &target, const ReportModel &report,
             const ImportedRows &imported, const QList<int> &passing)
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
    QList<ClauseStore::ClauseRow> group;
    for (qsizetype start = 0; start < passing.size(); start += kGroup) {
        group.clear();
        for (qsizetype i = start; i < std::min(passing.size(), start + kGroup); ++i) {
            ImportedRows::Row row = imported.row(passing.at(i));
            QStringList cells = std::move(row).storedColumns();
            // These rows skip the report model, not the shape every grid row is kept in.
            SaveRules::trimCells(cells);
            group << ClauseStore::ClauseRow{row.page, target.report.formNameForPage(row.page), row.point,
                                            std::move(cells)};
        }
        ClauseStore::insertStoredRows(db, report.key(), group);
    }
    transaction.commit();
}

} // namespace ReportReplacement
