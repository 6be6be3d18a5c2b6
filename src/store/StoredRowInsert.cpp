#include "ClauseStore.h"

#include "Database.h"
#include "MultiRowInsert.h"
#include "ReportKey.h"
#include "SqliteRowInsert.h"
#include "SqliteTextRows.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <algorithm>
#include <unordered_map>

namespace ClauseStore
{

namespace
{

// Code_No, FYr, PointNo, PageNo and FormName come before a row's value columns.
constexpr int kKeyValues = 5;

// A statement carries at most a quarter of the server's max_allowed_packet, counted at
// the most bytes UTF-8 can take, or the server drops the connection; a larger row goes alone.
qint64 bytesOf(const ClauseRow &row, int columns)
{
    qint64 bytes = 64 + 3 * row.point.size();
    for (const QString &value : row.cols)
        bytes += 8 + 3 * value.size();
    return bytes + 8 * std::max<qsizetype>(0, columns - row.cols.size());
}

QString insertStatement(const QString &table, const QList<int> &columns, int rowCount)
{
    QStringList names{QStringLiteral("Code_No"), QStringLiteral("FYr"), QStringLiteral("PointNo"),
                      QStringLiteral("PageNo"), QStringLiteral("FormName")};
    for (int number : columns)
        names << QStringLiteral("Col%1").arg(number);
    return multiRowInsert(table, names, rowCount);
}

// An empty cell is stored as no value, as the pages store it.
QVariant textOrNull(const QString &value)
{
    return value.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(value);
}

// A grid row carries its row number; one whose values are all empty is not written.
bool isEmptyGridRow(const ClauseRow &row, int valueColumns)
{
    if (row.col(valueColumns).isEmpty())
        return false;
    for (int c = 1; c < valueColumns; ++c) {
        if (!row.col(c).trimmed().isEmpty())
            return false;
    }
    return true;
}

// The value columns any of the rows sets: those up to the last one set before the
// sequence, and the sequence when a row has one. Fewer values bound make a faster insert.
QList<int> columnsSet(const QList<const ClauseRow *> &rows, int valueColumns)
{
    int last = 0;
    bool sequence = false;
    for (const ClauseRow *row : rows) {
        sequence = sequence || !row->col(valueColumns).isEmpty();
        for (int c = std::min<int>(int(row->cols.size()), valueColumns - 1); c > last; --c) {
            if (!row->cols.at(c - 1).isEmpty()) {
                last = c;
                break;
            }
        }
    }
    QList<int> columns;
    for (int c = 1; c <= last; ++c)
        columns << c;
    if (sequence)
        columns << valueColumns;
    return columns;
}

// A server takes several rows a statement: each statement is a round trip.
void insertOnServer(Database &db, const ReportKey &key, const QList<const ClauseRow *> &kept,
                    const QList<int> &columns)
{
    const ModuleState &m = key.form;
    const int values = kKeyValues + int(columns.size());
    const int group = db.dialect().rowsAnInsert(values);
    const qint64 budget = db.maxStatementBytes();
    // Prepared once for each group size used. A prepared statement keeps its values from
    // one run to the next: a value of a place is bound again only when its row's differs
    // from that of the row before it there. Binding a value costs Qt's driver far more than
    // comparing it, and the keys, list choices and empty cells of a grid's rows repeat.
    struct Statement {
        QSqlQuery query;
        QList<const ClauseRow *> boundFrom; // the row whose values each place holds
    };
    // A query is moved, never copied: its copies would share one prepared statement.
    std::unordered_map<int, Statement> statements;
    for (qsizetype start = 0; start < kept.size();) {
        int count = 0;
        qint64 bytes = 0;
        while (start + count < kept.size() && count < group) {
            const qint64 next = bytesOf(*kept.at(start + count), m.valueColumns());
            if (count > 0 && bytes + next > budget)
                break;
            bytes += next;
            ++count;
        }
        auto found = statements.find(count);
        if (found == statements.end())
            found = statements
                        .emplace(count, Statement{db.prepare(insertStatement(m.clauseTable, columns, count)),
                                                  QList<const ClauseRow *>(count, nullptr)})
                        .first;
        Statement &statement = found->second;
        QSqlQuery &insert = statement.query;
        for (int r = 0; r < count; ++r) {
            const ClauseRow &row = *kept.at(start + r);
            const ClauseRow *before = statement.boundFrom.at(r);
            const int first = r * values;
            if (!before) {
                insert.bindValue(first, key.client);
                insert.bindValue(first + 1, key.yearKey);
            }
            if (!before || before->point != row.point)
                insert.bindValue(first + 2, row.point);
            if (!before || before->page != row.page || before->formName != row.formName) {
                insert.bindValue(first + 3, row.page);
                insert.bindValue(first + 4,
                                 row.formName.isEmpty() ? m.formNameForPage(row.page) : row.formName);
            }
            statement.boundFrom[r] = &row;
            for (int c = 0; c < columns.size(); ++c) {
                const QString &value = row.col(columns.at(c));
                if (!before || before->col(columns.at(c)) != value)
                    insert.bindValue(first + kKeyValues + c, textOrNull(value));
            }
        }
        db.exec(insert);
        start += count;
    }
}

// In the process itself a row a run of one statement is the fastest: nothing is parsed again
// and no value is copied before SQLite stores it.
void insertOnSqlite(sqlite3 *connection, const ReportKey &key, const QList<const ClauseRow *> &kept,
                    const QList<int> &columns)
{
    const ModuleState &m = key.form;
    SqliteRowInsert insert(connection, insertStatement(m.clauseTable, columns, 1));
    for (const ClauseRow *row : kept) {
        insert.bindText(1, key.client);
        insert.bindText(2, key.yearKey);
        insert.bindText(3, row->point);
        insert.bindInteger(4, row->page);
        const QString formName = row->formName.isEmpty() ? m.formNameForPage(row->page) : row->formName;
        insert.bindText(5, formName);
        for (int c = 0; c < columns.size(); ++c) {
            const QString &value = row->col(columns.at(c));
            if (value.isEmpty())
                insert.bindNull(kKeyValues + 1 + c);
            else
                insert.bindText(kKeyValues + 1 + c, value);
        }
        insert.run();
    }
}

} // namespace

void insertStoredRows(Database &db, const ReportKey &key, const QList<ClauseRow> &rows)
{
    QList<const ClauseRow *> all;
    all.reserve(rows.size());
    for (const ClauseRow &row : rows)
        all << &row;
    insertStoredRows(db, key, all);
}

void insertStoredRows(Database &db, const ReportKey &key, const QList<const ClauseRow *> &rows)
{
    const ModuleState &m = key.form;
    QList<const ClauseRow *> kept;
    kept.reserve(rows.size());
    for (const ClauseRow *row : rows) {
        if (!isEmptyGridRow(*row, m.valueColumns()))
            kept << row;
    }
    if (kept.isEmpty())
        return;
    const QList<int> columns = columnsSet(kept, m.valueColumns());
    if (sqlite3 *connection = SqliteTextRows::connectionOf(db.connection().driver()->handle()))
        insertOnSqlite(connection, key, kept, columns);
    else
        insertOnServer(db, key, kept, columns);
}

} // namespace ClauseStore
