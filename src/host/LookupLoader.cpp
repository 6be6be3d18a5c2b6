#include "LookupLoader.h"

#include "HostSchema.h"
#include "base/CsvReader.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/MultiRowInsert.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace LookupLoader
{

namespace
{

QString canonicalTable(const QString &table)
{
    for (const QString &known : HostSchema::lookupTables()) {
        if (known.compare(table, Qt::CaseInsensitive) == 0)
            return known;
    }
    throw DbError(QStringLiteral("[%1] is not a look-up table. Known tables: %2")
                      .arg(table, HostSchema::lookupTables().join(QStringLiteral(", "))));
}

QStringList existingColumns(Database &db, const QString &table)
{
    Recordset rs = db.Execute(QStringLiteral("SELECT * FROM %1 WHERE 1=0").arg(table));
    QStringList names;
    for (int i = 0; i < rs.fieldCount(); ++i)
        names << rs.fieldName(i).toLower();
    return names;
}

} // namespace

int load(Database &db, const QString &tableName, const QString &csvPath)
{
    const QString table = canonicalTable(tableName);
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Could not read %1: %2").arg(csvPath, file.errorString()));
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QList<QStringList> rows;
    try {
        rows = CsvReader::parse(text);
    } catch (const std::exception &e) {
        throw DbError(QStringLiteral("%1: %2").arg(csvPath, QString::fromUtf8(e.what())));
    }
    if (rows.isEmpty())
        throw DbError(QStringLiteral("%1 is empty: its first line must name the columns.").arg(csvPath));

    static const QRegularExpression identifier(QStringLiteral("\\A[A-Za-z_][A-Za-z0-9_]{0,63}\\z"));
    const QStringList header = rows.takeFirst();
    QSet<QString> seen;
    for (const QString &col : header) {
        if (!identifier.match(col.trimmed()).hasMatch())
            throw DbError(QStringLiteral("%1: [%2] is not a column name.").arg(csvPath, col));
        if (seen.contains(col.trimmed().toLower()))
            throw DbError(QStringLiteral("%1: the column [%2] is named twice.").arg(csvPath, col));
        seen.insert(col.trimmed().toLower());
    }
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].size() != header.size())
            throw DbError(QStringLiteral("%1: row %2 has %3 fields, the header names %4.")
                              .arg(csvPath)
                              .arg(i + 2)
                              .arg(rows[i].size())
                              .arg(header.size()));
    }

    QStringList columns;
    for (const QString &col : header)
        columns << col.trimmed();
    if (!db.tableExists(table)) {
        QStringList defs;
        for (const QString &c : columns)
            defs << c + u' ' + db.dialect().textType();
        db.Execute(QStringLiteral("CREATE TABLE %1 (%2)%3")
                       .arg(table, defs.join(u','), db.dialect().tableOptions()));
    } else {
        const QStringList have = existingColumns(db, table);
        for (const QString &c : columns) {
            if (!have.contains(c.toLower()))
                throw DbError(QStringLiteral("%1: the table %2 has no column [%3].").arg(csvPath, table, c));
        }
    }

    // Rows go in groups: one statement per row would make a full post-office list
    // (a hundred thousand rows) crawl on a database server.
    const int perStatement = std::max(1, 500 / int(columns.size()));
    Transaction tx(db);
    db.Execute(QStringLiteral("DELETE FROM %1").arg(table));
    for (qsizetype first = 0; first < rows.size(); first += perStatement) {
        const qsizetype count = std::min<qsizetype>(perStatement, rows.size() - first);
        QVariantList binds;
        for (qsizetype r = first; r < first + count; ++r) {
            for (const QString &value : rows.at(r))
                binds << value;
        }
        db.Execute(multiRowInsert(table, columns, count), binds);
    }
    tx.commit();
    return int(rows.size());
}

} // namespace LookupLoader
