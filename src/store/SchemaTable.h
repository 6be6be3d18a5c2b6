#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class Database;

// Table definitions of the host's own tables, written once for both engines. Creating a
// table that exists does nothing.
namespace SchemaTable
{

struct Column {
    // Serial: a number the database gives each new row, the table's key.
    enum Kind { Key, Text, Int, Amount, Serial };
    QString name;
    Kind kind = Text;
    int length = 20; // of a key
};

// 'existing' holds the names of the tables already there, in lower case; it is read once
// by the caller so that creating many tables costs one listing.
void create(Database &db, QSet<QString> &existing, const QString &table, const QList<Column> &columns,
            const QStringList &indexColumns = {});
void create(Database &db, const QString &table, const QList<Column> &columns,
            const QStringList &indexColumns = {});

// The key columns of a clause table and its value columns Col1..ColN.
QList<Column> clauseColumns(int valueColumns);
QList<Column> textColumns(const QStringList &names);

} // namespace SchemaTable
