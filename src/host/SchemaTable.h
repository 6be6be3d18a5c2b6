#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// Table definitions for the host's accounts and fixed-asset data, written once for both
// engines. Creating a table that exists does nothing.
namespace SchemaTable
{

struct Column {
    enum Kind { Key, Text, Int, Amount };
    QString name;
    Kind kind = Text;
};

void create(Database &db, const QString &table, const QList<Column> &columns,
            const QStringList &indexColumns = {});

} // namespace SchemaTable
