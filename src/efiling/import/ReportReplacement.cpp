#include "ReportReplacement.h"

#include "ImportTarget.h"
#include "ImportedRows.h"
#include "model/ReportModel.h"
#include "store/Database.h"

#include <QHash>
#include <QSqlQuery>
#include <limits>

namespace ReportReplacement
{

namespace
{

constexpr int kValuesARow = 5 + ImportedRows::kSequenceColumn;

// Rows go to a server in groups of one statement each, which saves a round trip a row.
// SQLite runs in the process, and Qt's driver looks every placeholder up by its position,
// which makes long statements slower there: one row a statement.
int rowsAStatement(const Database &db)
{
    return db.dialect().isSQLite() ? 1 : 32;
}

// A statement must fit the server's max_allowed_packet, or the server drops the
// connection: a group carries at most a quarter of it, counted at the most bytes UTF-8
// can take, and a row that is larger goes alone.
qint64 bytesAStatement(Database &db)
{
    if (db.dialect().isSQLite())
        return std::numeric_limits<qint64>::max();
    Recordset rs = db.Execute(QStringLiteral("SELECT @@max_allowed_packet"));
    const qint64 packet = rs.Eof() ? 0 : rs.Fields(0).toLongLong();
    return std::max<qint64>(packet > 0 ? packet : 4 * 1024 * 1024, 1024 * 1024) / 4;
}

qint64 bytesOf(const ClauseStore::ClauseRow &row)
{
    qint64 bytes = 64 + 3 * row.point.size();
    for (const QString &value : row.cols)
        bytes += 8 + 3 * value.size();
    return bytes + 8 * (ImportedRows::kSequenceColumn - row.cols.size());
}

QString insertStatement(const QString &table, int rowCount)
{
    QStringList columns{QStringLiteral("Code_No"), QStringLiteral("FYr"), QStringLiteral("PointNo"),
                        QStringLiteral("PageNo"), QStringLiteral("FormName")};
    for (int i = 1; i <= ImportedRows::kSequenceColumn; ++i)
        columns << QStringLiteral("Col%1").arg(i);
    QStringList marks;
    for (int i = 0; i < kValuesARow; ++i)
        marks << QStringLiteral("?");
    const QString row = u'(' + marks.join(u',') + u')';
    QStringList rows;
    for (int i = 0; i < rowCount; ++i)
        rows << row;
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3").arg(table, columns.join(u','), rows.join(u','));
}

// An empty cell is stored as no value, as the pages store it.
QVariant textOrNull(const QString &value)
{
    return value.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(value);
}

void bindRow(QSqlQuery &insert, int first, const ImportTarget &target, const ClauseStore::ClauseRow &row)
{
    insert.bindValue(first, target.client);
    insert.bindValue(first + 1, target.yearKey);
    insert.bindValue(first + 2, row.point);
    insert.bindValue(first + 3, row.page);
    insert.bindValue(first + 4, target.report.formNameForPage(row.page));
    for (int i = 0; i < ImportedRows::kSequenceColumn; ++i)
        insert.bindValue(first + 5 + i, textOrNull(row.col(i + 1)));
}

} // namespace

void replace(Database &db, const ImportTarget &target, const ReportModel &report)
{
    const QString table = target.report.clauseTable;
    QList<ClauseStore::ClauseRow> all;
    for (int page : report.pages()) {
        for (const QString &point : report.points(page))
            all += report.rows(page, point);
    }
    Transaction transaction(db);
    db.Execute(QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND PageNo<>301").arg(table),
               {target.client, target.yearKey});
    const int group = rowsAStatement(db);
    const qint64 budget = bytesAStatement(db);
    QHash<int, QSqlQuery> statements; // prepared once for each group size used
    for (qsizetype start = 0; start < all.size();) {
        int count = 0;
        qint64 bytes = 0;
        while (start + count < all.size() && count < group) {
            const qint64 next = bytesOf(all.at(start + count));
            if (count > 0 && bytes + next > budget)
                break;
            bytes += next;
            ++count;
        }
        auto found = statements.find(count);
        if (found == statements.end())
            found = statements.insert(count, db.prepare(insertStatement(table, count)));
        QSqlQuery &insert = *found;
        for (int r = 0; r < count; ++r)
            bindRow(insert, r * kValuesARow, target, all.at(start + r));
        db.exec(insert);
        start += count;
    }
    transaction.commit();
}

} // namespace ReportReplacement
