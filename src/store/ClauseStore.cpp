#include "ClauseStore.h"
#include "ReportRowReading.h"

#include "ClauseTables.h"
#include "Database.h"
#include "ModuleState.h"
#include "ReportKey.h"
#include "StoreHost.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

namespace ClauseStore
{

namespace
{

QVariant textOrNull(const QString &value)
{
    return value.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(value);
}

QString valueColumnList(int count)
{
    QStringList cols;
    for (int i = 1; i <= count; ++i)
        cols << QStringLiteral("Col%1").arg(i);
    return cols.join(u',');
}

QString marks(int count)
{
    QStringList m;
    for (int i = 0; i < count; ++i)
        m << QStringLiteral("?");
    return m.join(u',');
}

} // namespace

void insertRow(int page, const QString &point, const QStringList &cols, const QString &formName)
{
    const ModuleState &m = moduleState();
    StoreHost &h = storeHost();
    const int count = std::min<int>(int(cols.size()), m.valueColumns());
    QVariantList binds{h.Temp_Code(), h.yearKey(), point, page,
                       formName.isEmpty() ? m.formNameForPage(page) : formName};
    for (int i = 0; i < count; ++i)
        binds << textOrNull(cols.at(i));
    h.DBObj().Execute(
        QStringLiteral("INSERT INTO %1 (Code_No,FYr,PointNo,PageNo,FormName%2) VALUES (?,?,?,?,?%3)")
            .arg(m.clauseTable, count ? u',' + valueColumnList(count) : QString(),
                 count ? u',' + marks(count) : QString()),
        binds);
}

void insertRows(int page, const QString &point, const QList<QStringList> &rows, bool withSequence)
{
    const ModuleState &m = moduleState();
    const int valueColumns = withSequence ? m.valueColumns() - 1 : m.valueColumns();
    const QString formName = m.formNameForPage(page);
    QList<ClauseRow> stored;
    stored.reserve(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList &cells = rows.at(r);
        // An empty grid row is not written; the others keep their place in the sequence.
        if (std::all_of(cells.begin(), cells.end(), [](const QString &cell) { return cell.isEmpty(); }))
            continue;
        ClauseRow row{page, formName, point, cells.mid(0, valueColumns)};
        if (withSequence) {
            row.cols.resize(valueColumns);
            row.cols << QString::number(r + 1);
        }
        stored << row;
    }
    insertStoredRows(ReportKey::current(), stored);
}

void deletePage(int page)
{
    deletePage(ReportKey::current(), page);
}

void deletePage(const ReportKey &key, int page)
{
    const ModuleState &m = key.form;
    storeHost().DBObj().Execute(
        QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=? AND FormName=?")
            .arg(m.clauseTable),
        {key.client, key.yearKey, page, m.formNameForPage(page)});
}

void insertStoredRows(const ReportKey &key, const QList<ClauseRow> &rows)
{
    insertStoredRows(storeHost().DBObj(), key, rows);
}

void deletePoint(int page, const QString &point)
{
    const ModuleState &m = moduleState();
    StoreHost &h = storeHost();
    h.DBObj().Execute(QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=? AND PointNo=?")
                          .arg(m.clauseTable),
                      {h.Temp_Code(), h.yearKey(), page, point});
}

void deletePoint(const ReportKey &key, int page, const QString &point, const QString &formName)
{
    storeHost().DBObj().Execute(
        QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=? AND FormName=? AND PointNo=?")
            .arg(key.form.clauseTable),
        {key.client, key.yearKey, page, formName, point});
}

namespace
{
// The rows WHERE selects, one at a time, as readTable reads them.
void readEachOf(Database &db, const QString &table, int columns, const QString &where,
                const QVariantList &binds, const QString &order,
                const std::function<void(ClauseRow &&)> &take)
{
    const std::unique_ptr<TextRows> read =
        db.readText(QStringLiteral("SELECT PageNo, FormName, PointNo, %1 FROM %2 WHERE %3%4")
                        .arg(valueColumnList(columns), table, where,
                             order.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + order),
                    binds);
    QString formName;
    QString point;
    QStringList aboveCells; // the row before, shared, not copied
    while (read->next()) {
        ClauseRow row;
        row.page = int(read->number(0));
        // Rows of a point follow each other: they share the text of its name.
        formName = read->text(1, formName);
        point = read->text(2, point);
        row.formName = formName;
        row.point = point;
        // Reserved first: a list resized from nothing takes the next power of two of its
        // size, near twice the 23 cells a row holds.
        row.cols.reserve(columns);
        row.cols.resize(columns);
        QString *cols = row.cols.data();
        // A grid's rows repeat many of their cells (a section, a date, "0.00"): a cell equal to
        // the one above shares its text, which spares making and freeing a copy.
        const QString *above = aboveCells.size() != columns ? nullptr : aboveCells.constData();
        // Each cell is looked at while it is at hand: a later look at a million cells
        // would fetch every one from memory again.
        bool padded = false;
        for (int i = 0; i < columns; ++i) {
            cols[i] = above ? read->text(3 + i, above[i]) : read->text(3 + i);
            padded = padded || isPadded(cols[i]);
        }
        row.mayBePadded = padded;
        aboveCells = row.cols;
        take(std::move(row));
    }
}
} // namespace

QList<ClauseRow> readTable(Database &db, const QString &table, int columns, const QString &where,
                           const QVariantList &binds, const QString &order)
{
    QList<ClauseRow> rows;
    readEachOf(db, table, columns, where, binds, order, [&rows](ClauseRow &&row) { rows << std::move(row); });
    return rows;
}

namespace
{
QList<ClauseRow> readRows(const ReportKey &key, const QString &condition, const QVariantList &extraBinds,
                          const QString &order)
{
    QVariantList binds{key.client, key.yearKey};
    binds += extraBinds;
    return readTable(storeHost().DBObj(), key.form.clauseTable, key.form.valueColumns(),
                     ClauseTables::kReportRows + condition, binds, order);
}

} // namespace

qint64 sequenceNumber(const QString &text)
{
    if (text.isEmpty())
        return std::numeric_limits<qint64>::min();
    QStringView rest = QStringView(text).trimmed();
    qsizetype digits = rest.startsWith(u'-') || rest.startsWith(u'+') ? 1 : 0;
    while (digits < rest.size() && rest.at(digits).isDigit())
        ++digits;
    return rest.left(digits).toLongLong();
}

// Puts rows read in page and point order into the order of the report: page, form name,
// point, then the sequence as a number. The rows come nearly in that order from the table's
// index, which spares the database a sort of every row it reads.
void sortAsReport(QList<ClauseRow> &rows, int sequenceColumn)
{
    std::vector<qint64> sequence;
    sequence.reserve(rows.size());
    for (const ClauseRow &row : rows)
        sequence.push_back(sequenceNumber(row.col(sequenceColumn)));
    std::vector<qsizetype> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    const auto before = [&](qsizetype a, qsizetype b) {
        const ClauseRow &x = rows.at(a);
        const ClauseRow &y = rows.at(b);
        if (x.page != y.page)
            return x.page < y.page;
        if (int c = x.formName.compare(y.formName))
            return c < 0;
        if (int c = x.point.compare(y.point))
            return c < 0;
        return sequence[a] < sequence[b];
    };
    if (std::is_sorted(order.begin(), order.end(), before))
        return;
    std::stable_sort(order.begin(), order.end(), before);
    QList<ClauseRow> sorted;
    sorted.reserve(rows.size());
    for (qsizetype at : order)
        sorted << std::move(rows[at]);
    rows = std::move(sorted);
}
QList<ClauseRow> readPoint(int page, const QString &point, bool ordered)
{
    const QString seq = moduleState().sequenceColumn();
    return readRows(ReportKey::current(), QStringLiteral(" AND PageNo=? AND PointNo=?"), {page, point},
                    ordered ? QStringLiteral("convert(%1,signed)").arg(seq) : QStringLiteral("PointNo"));
}

QList<ClauseRow> readPage(int page)
{
    return readRows(ReportKey::current(), QStringLiteral(" AND PageNo=? AND FormName=?"),
                    {page, moduleState().formNameForPage(page)},
                    QStringLiteral("convert(%1,signed)").arg(moduleState().sequenceColumn()));
}

bool hasRows(int page)
{
    return hasRows(ReportKey::current(), page);
}

bool hasRows(const ReportKey &key, int page)
{
    return !storeHost()
                .DBObj()
                .Execute(
                    QStringLiteral("SELECT 1 FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=? AND FormName=? "
                                   "LIMIT 1")
                        .arg(key.form.clauseTable),
                    {key.client, key.yearKey, page, key.form.formNameForPage(page)})
                .Eof();
}

QList<ClauseRow> readAll()
{
    return readAll(ReportKey::current());
}

void readEach(const ReportKey &key, const std::function<void(ClauseRow &&)> &take)
{
    readEachOf(storeHost().DBObj(), key.form.clauseTable, key.form.valueColumns(), ClauseTables::kReportRows,
               {key.client, key.yearKey}, QStringLiteral("PageNo, PointNo"), take);
}

QList<ClauseRow> readAll(const ReportKey &key)
{
    QList<ClauseRow> rows = readRows(key, QString(), {}, QStringLiteral("PageNo, PointNo"));
    sortAsReport(rows, key.form.valueColumns());
    return rows;
}

} // namespace ClauseStore
