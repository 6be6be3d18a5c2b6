#include "SchemaTable.h"

#include "store/Database.h"

namespace SchemaTable
{

namespace
{

QString typeOf(const SqlDialect &d, Column::Kind kind)
{
    switch (kind) {
    case Column::Key:
        return d.keyType(20);
    case Column::Int:
        return d.intType();
    case Column::Amount:
        // Exact decimals: sums of rupees and paise must not drift.
        return d.isSQLite() ? QStringLiteral("NUMERIC") : QStringLiteral("DECIMAL(18,2)");
    case Column::Text:
        break;
    }
    return d.textType();
}

} // namespace

void create(Database &db, const QString &table, const QList<Column> &columns, const QStringList &indexColumns)
{
    if (db.tableExists(table))
        return;
    QStringList defs;
    for (const Column &c : columns)
        defs << c.name + u' ' + typeOf(db.dialect(), c.kind);
    db.Execute(
        QStringLiteral("CREATE TABLE %1 (%2)%3").arg(table, defs.join(u','), db.dialect().tableOptions()));
    if (!indexColumns.isEmpty())
        db.Execute(QStringLiteral("CREATE INDEX ix_%1 ON %1 (%2)").arg(table, indexColumns.join(u',')));
}

} // namespace SchemaTable
