#pragma once

#include <QString>
#include <QStringList>

class Database;

// The host's own tables: client master, auditors, look-up lists and the clause tables
// of each year. Creating them is idempotent.
namespace HostSchema
{

// Client master, auditor and look-up tables; seeds empty look-ups from the data folder.
void ensureHostTables(Database &db, const QString &lookupFolder);

// The clause tables a year needs (current format and the older formats the imports read).
// Run outside any transaction; tried again when the server reports a deadlock.
void ensureYearTables(Database &db, const QString &yearKey);
// Whether the year's clause table is there: a year no one has worked on has none.
bool yearTablesExist(Database &db, const QString &yearKey);

// The look-up tables a CSV file may load.
const QStringList &lookupTables();

} // namespace HostSchema
