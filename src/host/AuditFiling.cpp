#include "AuditFiling.h"

#include "store/ClauseTables.h"
#include "store/Database.h"
#include "store/SchemaTable.h"

#include <QSet>

namespace AuditFiling
{

namespace
{
const QString Table = QStringLiteral("audit_filing");
}

Listed listedOf(const QString &reportFlag)
{
    const QString flag = reportFlag.trimmed().toUpper();
    if (flag == QLatin1String("P"))
        return Listed::Pending;
    if (flag == QLatin1String("A"))
        return Listed::PendingForApproval;
    if (flag == QLatin1String("F"))
        return Listed::Filed;
    return Listed::All;
}

QString titleOf(Listed listed)
{
    switch (listed) {
    case Listed::Pending:
        return QStringLiteral("3CD Pending Filing Status");
    case Listed::PendingForApproval:
        return QStringLiteral("3CD Pending for Approval Filing Status");
    case Listed::Filed:
        return QStringLiteral("3CD Filed Filing Status");
    case Listed::All:
        break;
    }
    return QStringLiteral("3CD Filing Status");
}

void ensureTable(Database &db)
{
    using Col = SchemaTable::Column;
    SchemaTable::create(db, Table,
                        {{QStringLiteral("Code_No"), Col::Key},
                         {QStringLiteral("FYr"), Col::Key, 8},
                         {QStringLiteral("Status"), Col::Text},
                         {QStringLiteral("FilingDate"), Col::Text}},
                        {QStringLiteral("Code_No"), QStringLiteral("FYr")});
}

QList<Entry> list(Database &db, const QString &yearKey, Listed listed)
{
    // Clients with a Form 3CEB for the year report by the later date.
    QSet<QString> transferPricing;
    Recordset tp = db.Execute(QStringLiteral("SELECT DISTINCT Code_No FROM %1 WHERE FYr=? AND PageNo=1")
                                  .arg(ClauseTables::kForm3cebTable),
                              {yearKey});
    for (; !tp.Eof(); tp.MoveNext())
        transferPricing.insert(tp.Fields(0));

    Recordset rs =
        db.Execute(QStringLiteral("SELECT m.Code_No, m.Name, f.Status, f.FilingDate FROM main_info1 m "
                                  "LEFT JOIN %1 f ON f.Code_No=m.Code_No AND f.FYr=? "
                                  "ORDER BY m.Code_No")
                       .arg(Table),
                   {yearKey});
    QList<Entry> entries;
    for (; !rs.Eof(); rs.MoveNext()) {
        Entry e;
        e.code = rs.Fields(0);
        e.name = rs.Fields(1);
        e.status = rs.Fields(2).trimmed();
        if (e.status.isEmpty())
            e.status = Pending;
        e.filingDate = e.status == Filed ? rs.Fields(3) : QString();
        e.dueDate = dueDate(yearKey, transferPricing.contains(e.code));
        const bool wanted = listed == Listed::All || (listed == Listed::Pending && e.status == Pending) ||
                            (listed == Listed::PendingForApproval && e.status == PendingForApproval) ||
                            (listed == Listed::Filed && e.status == Filed);
        if (wanted)
            entries << e;
    }
    return entries;
}

void record(Database &db, const QString &code, const QString &yearKey, const QString &status,
            const QString &filingDate)
{
    Transaction tx(db);
    db.Execute(ClauseTables::deleteReportRows(Table), {code, yearKey});
    db.Execute(
        QStringLiteral("INSERT INTO %1 (Code_No, FYr, Status, FilingDate) VALUES (?,?,?,?)").arg(Table),
        {code, yearKey, status, status == Filed ? filingDate : QString()});
    tx.commit();
}

QString dueDate(const QString &yearKey, bool transferPricing)
{
    return (transferPricing ? QStringLiteral("31/10/") : QStringLiteral("30/09/")) + yearKey;
}

} // namespace AuditFiling
