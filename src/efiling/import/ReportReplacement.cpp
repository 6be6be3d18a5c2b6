#include "ReportReplacement.h"

#include "ImportTarget.h"
#include "ImportedRows.h"
#include "store/Database.h"

#include <QSqlQuery>

namespace ReportReplacement
{

namespace
{

QString insertStatement(const QString &table)
{
    QStringList columns{QStringLiteral("Code_No"), QStringLiteral("FYr"), QStringLiteral("PointNo"),
                        QStringLiteral("PageNo"), QStringLiteral("FormName")};
    for (int i = 1; i <= ImportedRows::kSequenceColumn; ++i)
        columns << QStringLiteral("Col%1").arg(i);
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(u','), marks.join(u','));
}

// An empty cell is stored as no value, as the pages store it.
QVariant textOrNull(const QString &value)
{
    return value.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(value);
}

} // namespace

void replace(Database &db, const ImportTarget &target, const ImportedRows &rows)
{
    const QString table = target.report.clauseTable;
    Transaction transaction(db);
    db.Execute(QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND PageNo<>301").arg(table),
               {target.client, target.yearKey});
    QSqlQuery insert = db.prepare(insertStatement(table));
    for (const ImportedRows::Row &row : rows.rows()) {
        insert.bindValue(0, target.client);
        insert.bindValue(1, target.yearKey);
        insert.bindValue(2, row.point);
        insert.bindValue(3, row.page);
        insert.bindValue(4, target.report.formNameForPage(row.page));
        for (int i = 0; i < ImportedRows::kSequenceColumn; ++i)
            insert.bindValue(5 + i, textOrNull(row.cols.at(i)));
        db.exec(insert);
    }
    transaction.commit();
}

} // namespace ReportReplacement
