#pragma once

#include <QString>
#include <QStringList>

// One statement that inserts `rows` rows into `table`, a "?" for each column of each row:
// "INSERT INTO t (a,b) VALUES (?,?),(?,?)". Many rows a statement, as one a statement
// crawls on a database server.
inline QString multiRowInsert(const QString &table, const QStringList &columns, qsizetype rows)
{
    const QString row = u'(' + QStringList(columns.size(), QStringLiteral("?")).join(u',') + u')';
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(table, columns.join(u','), QStringList(rows, row).join(u','));
}
