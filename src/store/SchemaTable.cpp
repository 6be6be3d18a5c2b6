#include "SchemaTable.h"

#include "store/Database.h"
#include "store/DbError.h"

namespace SchemaTable
{

namespace
{

QString typeOf(const SqlDialect &d, const Column &c)
{
    switch (c.kind) {
    case Column::Key:
        return d.keyType(c.length);
    case Column::Int:
        return d.intType();
    case Column::Amount:
        return d.amountType();
    case Column::Serial:
        return d.serialKeyType();
    case Column::Text:
        break;
    }
    return d.textType();
}

} // namespace

void create(Database &db, QSet<QString> &existing, const QString &table, const QList<Column> &columns,
            const QStringList &indexColumns)
{
    if (existing.contains(table.toLower()))
        return;
    existing.insert(table.toLower());
    QStringList defs;
    for (const Column &c : columns)
        defs << c.name + u' ' + typeOf(db.dialect(), c);
    // Two workstations may open a new year at the same moment: the statements tolerate a
    // table the other one made, and a failure is only one when the table is still missing.
    try {
        for (const QString &statement : db.dialect().createTable(table, defs, indexColumns))
            db.Execute(statement);
    } catch (const DbError &) {
        if (!db.tableExists(table))
            throw;
    }
}

void create(Database &db, const QString &table, const QList<Column> &columns, const QStringList &indexColumns)
{
    QSet<QString> existing = db.tableNames();
    create(db, existing, table, columns, indexColumns);
}

QList<Column> clauseColumns(int valueColumns)
{
    QList<Column> cols{{QStringLiteral("Code_No"), Column::Key, 20},
                       {QStringLiteral("FYr"), Column::Key, 8},
                       {QStringLiteral("FormName"), Column::Key, 10},
                       {QStringLiteral("PageNo"), Column::Int},
                       {QStringLiteral("PointNo"), Column::Key, 40}};
    for (int i = 1; i <= valueColumns; ++i)
        cols << Column{QStringLiteral("Col%1").arg(i), Column::Text};
    return cols;
}

QList<Column> textColumns(const QStringList &names)
{
    QList<Column> cols;
    for (const QString &n : names)
        cols << Column{n, Column::Text};
    return cols;
}

} // namespace SchemaTable
