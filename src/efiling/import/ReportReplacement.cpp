#include "ReportReplacement.h"

#include "ImportTarget.h"
#include "ImportedRows.h"
#include "model/ReportModel.h"
#include "model/rules/SaveRules.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/ReportChange.h"

namespace ReportReplacement
{

namespace
{
// Rows unpacked at a time: enough to keep the statements full, few enough to take little memory.
constexpr int kGroup = 2048;

// The group of the passing rows from `start` on, in place of the group before.
void unpack(const ImportTarget &target, const ImportedRows &imported, const QList<int> &passing,
            qsizetype start, QList<ClauseStore::ClauseRow> &group)
{
    group.clear();
    for (qsizetype i = start; i < std::min(passing.size(), start + kGroup); ++i) {
        ImportedRows::Row row = imported.row(passing.at(i));
        QStringList cells = std::move(row).storedColumns();
        // These rows skip the report model, not the shape every grid row is kept in.
        SaveRules::trimCells(cells);
        group << ClauseStore::ClauseRow{row.page, target.report.formNameForPage(row.page), row.point,
                                        std::move(cells)};
    }
}

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
    // Two clients' first imports into a year lock the same empty range of the table on a
    // server, and one of them is stopped to break the deadlock: it runs again.
    db.runInTransaction([&] {
        // The first group goes with the report's rows: a report of a few hundred rows is then
        // written in as few statements as its rows fill.
        QList<const ClauseStore::ClauseRow *> first = all;
        QList<ClauseStore::ClauseRow> group;
        unpack(target, imported, passing, 0, group);
        for (const ClauseStore::ClauseRow &row : std::as_const(group))
            first << &row;
        ReportChange change(report.key(), QStringLiteral("Importing the e-filing JSON file"));
        db.Execute(QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND PageNo<>301").arg(table),
                   {target.client, target.yearKey});
        ClauseStore::insertStoredRows(db, report.key(), first);
        for (qsizetype start = kGroup; start < passing.size(); start += kGroup) {
            unpack(target, imported, passing, start, group);
            ClauseStore::insertStoredRows(db, report.key(), group);
        }
        change.commit();
    });
}

} // namespace ReportReplacement
