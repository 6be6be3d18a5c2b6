#include "ReportChange.h"

#include "ClauseTables.h"
#include "Database.h"
#include "StoreHost.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "store/SchemaTable.h"

#include <QDateTime>
#include <numeric>

namespace
{

const QString kSnapshotTable = QStringLiteral("report_snapshot");
const QString kSnapshotRowTable = QStringLiteral("report_snapshot_row");
// The pages a snapshot kept when the operation changed only those; a snapshot of the whole
// report has none here.
const QString kSnapshotPageTable = QStringLiteral("report_snapshot_page");
// Wide enough for the rows of either report table.
constexpr int kSnapshotColumns = 23;

// Changes under way, outermost first: only the outermost asks and keeps a snapshot.
int activeChanges = 0;

QString columnList(int count)
{
    QStringList cols;
    for (int i = 1; i <= count; ++i)
        cols << QStringLiteral("Col%1").arg(i);
    return cols.join(u',');
}

// The number of rows of each page of the report.
QMap<int, int> pageCounts(Database &db, const ReportKey &key)
{
    Recordset rs =
        db.Execute(QStringLiteral("SELECT PageNo, COUNT(*) FROM %1 WHERE Code_No=? AND FYr=? GROUP BY PageNo")
                       .arg(key.form.clauseTable),
                   {key.client, key.yearKey});
    QMap<int, int> counts;
    for (; !rs.Eof(); rs.MoveNext())
        counts.insert(rs.Fields(0).toInt(), rs.Fields(1).toInt());
    return counts;
}

int total(const QMap<int, int> &counts)
{
    return std::accumulate(counts.cbegin(), counts.cend(), 0);
}

// " AND PageNo IN (?,?)" with its values, or nothing for the whole report.
QString onlyPages(const QList<int> &pages, QVariantList &binds)
{
    if (pages.isEmpty())
        return {};
    QStringList places;
    for (int page : pages) {
        places << QStringLiteral("?");
        binds << page;
    }
    return QStringLiteral(" AND PageNo IN (%1)").arg(places.join(u','));
}

QString pageName(int page)
{
    switch (page) {
    case 101:
        return QStringLiteral("Page 1");
    case 201:
        return QStringLiteral("As Per Annexure ticks");
    case 301:
        return QStringLiteral("Remarks");
    case -1:
        return QStringLiteral("Print setup");
    default:
        return QStringLiteral("Page %1").arg(page);
    }
}

QString formTextOf(const QString &formCode)
{
    return formCode == QLatin1String("3CEB") ? formCode : formCode + QStringLiteral("-3CD");
}

QString clientName(Database &db, const QString &client)
{
    if (!db.tableExists(QStringLiteral("main_info1")))
        return {};
    Recordset rs = db.Execute(QStringLiteral("SELECT Name FROM main_info1 WHERE Code_No=?"), {client});
    return rs.Eof() ? QString() : rs.Fields(0).trimmed();
}

// The form of the rows as stored: an import may turn a Form 3CA report into a Form 3CB.
QString storedForm(Database &db, const ReportKey &key)
{
    if (!key.form.isForm3CD())
        return key.form.formCode;
    Recordset rs = db.Execute(
        QStringLiteral("SELECT FormName FROM %1 WHERE Code_No=? AND FYr=? AND FormName IN (?,?) "
                       "LIMIT 1")
            .arg(key.form.clauseTable),
        {key.client, key.yearKey, ModuleState::codeOf(FormKind::F3CA), ModuleState::codeOf(FormKind::F3CB)});
    return rs.Eof() ? key.form.formCode : rs.Fields(0);
}

// Copies the report's rows (or those of `pages`), as they are before the change, under a new
// snapshot number; the database copies them itself.
void keep(Database &db, const ReportKey &key, const QString &what, int rows, const QList<int> &pages)
{
    QSqlQuery header = db.prepare(
        QStringLiteral("INSERT INTO %1 (Code_No,FYr,FormCode,Taken,Operation,RowsKept) VALUES (?,?,?,?,?,?)")
            .arg(kSnapshotTable));
    for (const QVariant &value : QVariantList{
             key.client, key.yearKey, storedForm(db, key),
             QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")), what, rows})
        header.addBindValue(value);
    db.exec(header);
    const QVariant id = header.lastInsertId();
    const QString cols = columnList(key.form.valueColumns());
    QVariantList binds{id, key.client, key.yearKey};
    const QString only = onlyPages(pages, binds);
    db.Execute(QStringLiteral("INSERT INTO %1 (SnapshotId,PageNo,FormName,PointNo,%2) "
                              "SELECT ?,PageNo,FormName,PointNo,%2 FROM %3 WHERE Code_No=? AND FYr=?%4")
                   .arg(kSnapshotRowTable, cols, key.form.clauseTable, only),
               binds);
    for (int page : pages)
        db.Execute(QStringLiteral("INSERT INTO %1 (SnapshotId,PageNo) VALUES (?,?)").arg(kSnapshotPageTable),
                   {id, page});
}

} // namespace

const QString ReportChange::QuestionTitle = QStringLiteral("Replace report data");

ReportChange::ReportChange(const ReportKey &key, const QString &what, const QList<int> &pages)
    : m_key(key), m_what(what), m_outermost(activeChanges == 0), m_pages(pages)
{
    Database &db = storeHost().DBObj();
    db.BeginTrans(true);
    ++activeChanges;
    try {
        if (m_outermost) {
            m_before = pageCounts(db, key);
            int kept = 0;
            for (auto it = m_before.cbegin(); it != m_before.cend(); ++it)
                kept += m_pages.isEmpty() || m_pages.contains(it.key()) ? it.value() : 0;
            if (!m_before.isEmpty())
                keep(db, key, what, m_pages.isEmpty() ? total(m_before) : kept, m_pages);
        }
    } catch (...) {
        --activeChanges;
        db.RollbackTrans();
        throw;
    }
}

ReportChange::~ReportChange()
{
    --activeChanges;
    if (!m_done)
        storeHost().DBObj().RollbackTrans();
}

void ReportChange::commit()
{
    Database &db = storeHost().DBObj();
    if (m_outermost && !m_before.isEmpty()) {
        const QMap<int, int> after = pageCounts(db, m_key);
        QMap<int, PageCount> pages;
        for (auto it = m_before.cbegin(); it != m_before.cend(); ++it)
            pages[it.key()] = PageCount{it.key(), it.value(), 0};
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            pages[it.key()].page = it.key();
            pages[it.key()].after = it.value();
        }
        if (!prompts().confirmReplace(question(m_key, m_what, pages.values(), !m_pages.isEmpty()),
                                      QuestionTitle))
            throw ChangeDeclined();
    }
    m_done = true;
    db.CommitTrans();
}

QString ReportChange::question(const ReportKey &key, const QString &what, const QList<PageCount> &pages,
                               bool onlyChangedPages)
{
    const QString name = clientName(storeHost().DBObj(), key.client);
    QString text = QStringLiteral("%1 will change the Form %2 report of %3 for A.Y. %4:\n")
                       .arg(what, formTextOf(key.form.formCode),
                            name.isEmpty() ? key.client : QStringLiteral("%1 (%2)").arg(name, key.client),
                            key.assessmentYearText());
    for (const PageCount &page : pages)
        text += QStringLiteral("    %1: %2 rows now, %3 rows after\n")
                    .arg(pageName(page.page))
                    .arg(page.now)
                    .arg(page.after);
    text += onlyChangedPages
                ? QStringLiteral("The pages it changes are kept as they are now as a snapshot, which can be "
                                 "restored.\n")
                : QStringLiteral("The report as it is now is kept as a snapshot, which can be restored.\n");
    text += SharedMessages::doYouWantToContinue();
    return text;
}

namespace ReportSnapshots
{

void ensureTables(Database &db)
{
    using SchemaTable::Column;
    QSet<QString> existing = db.tableNames();
    SchemaTable::create(db, existing, kSnapshotTable,
                        {{QStringLiteral("Id"), Column::Serial},
                         {QStringLiteral("Code_No"), Column::Key, 20},
                         {QStringLiteral("FYr"), Column::Key, 8},
                         {QStringLiteral("FormCode"), Column::Key, 10},
                         {QStringLiteral("Taken"), Column::Text},
                         {QStringLiteral("Operation"), Column::Text},
                         {QStringLiteral("RowsKept"), Column::Int}},
                        {QStringLiteral("Code_No"), QStringLiteral("FYr")});
    QList<Column> rows{{QStringLiteral("SnapshotId"), Column::Int},
                       {QStringLiteral("PageNo"), Column::Int},
                       {QStringLiteral("FormName"), Column::Key, 10},
                       {QStringLiteral("PointNo"), Column::Key, 40}};
    for (int i = 1; i <= kSnapshotColumns; ++i)
        rows << Column{QStringLiteral("Col%1").arg(i), Column::Text};
    SchemaTable::create(db, existing, kSnapshotRowTable, rows, {QStringLiteral("SnapshotId")});
    SchemaTable::create(
        db, existing, kSnapshotPageTable,
        {{QStringLiteral("SnapshotId"), Column::Int}, {QStringLiteral("PageNo"), Column::Int}},
        {QStringLiteral("SnapshotId")});
}

QString Snapshot::text() const
{
    QStringList numbers;
    for (int page : pages)
        numbers << QString::number(page);
    return QStringLiteral("%1  %2  before %3  (Form %4, %5%6 rows)")
        .arg(id)
        .arg(taken, what, formTextOf(formCode),
             pages.isEmpty() ? QString()
                             : QStringLiteral("pages %1: ").arg(numbers.join(QStringLiteral(", "))))
        .arg(rows);
}

namespace
{
QList<Snapshot> select(const QString &condition, const QVariantList &binds)
{
    Recordset rs = storeHost().DBObj().Execute(
        QStringLiteral("SELECT Id,Code_No,FYr,FormCode,Taken,Operation,RowsKept FROM %1 WHERE %2 "
                       "ORDER BY Id DESC")
            .arg(kSnapshotTable, condition),
        binds);
    QList<Snapshot> list;
    for (; !rs.Eof(); rs.MoveNext())
        list << Snapshot{rs.Fields(0).toInt(), rs.Fields(1), rs.Fields(2),         rs.Fields(3),
                         rs.Fields(4),         rs.Fields(5), rs.Fields(6).toInt(), {}};
    for (Snapshot &snapshot : list) {
        Recordset pages = storeHost().DBObj().Execute(
            QStringLiteral("SELECT PageNo FROM %1 WHERE SnapshotId=? ORDER BY PageNo")
                .arg(kSnapshotPageTable),
            QVariantList{snapshot.id});
        for (; !pages.Eof(); pages.MoveNext())
            snapshot.pages << pages.Fields(0).toInt();
    }
    return list;
}
} // namespace

QList<Snapshot> list(const QString &client, const QString &yearKey)
{
    return select(ClauseTables::kReportRows, {client, yearKey});
}

std::optional<Snapshot> find(const QString &client, const QString &yearKey, int id)
{
    const QList<Snapshot> found =
        select(ClauseTables::kReportRows + QStringLiteral(" AND Id=?"), {client, yearKey, id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

ReportKey keyOf(const Snapshot &snapshot)
{
    return ReportKey::of(snapshot.client, snapshot.yearKey, ModuleState::kindOfCode(snapshot.formCode));
}

void restore(const Snapshot &snapshot)
{
    const ReportKey key = keyOf(snapshot);
    Database &db = storeHost().DBObj();
    ReportChange change(key, QStringLiteral("Restoring snapshot %1").arg(snapshot.id), snapshot.pages);
    QVariantList binds{key.client, key.yearKey};
    const QString only = onlyPages(snapshot.pages, binds);
    db.Execute(ClauseTables::deleteReportRows(key.form.clauseTable, only), binds);
    const QString cols = columnList(key.form.valueColumns());
    db.Execute(QStringLiteral("INSERT INTO %1 (Code_No,FYr,FormName,PageNo,PointNo,%2) "
                              "SELECT ?,?,FormName,PageNo,PointNo,%2 FROM %3 WHERE SnapshotId=?")
                   .arg(key.form.clauseTable, cols, kSnapshotRowTable),
               {key.client, key.yearKey, snapshot.id});
    change.commit();
}

} // namespace ReportSnapshots
