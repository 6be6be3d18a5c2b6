#pragma once

#include <QString>

class Database;

// Loads a look-up table from a CSV file whose first line names the columns. The table is
// created when missing; its rows are replaced in one transaction, so a bad file leaves
// the old list in place. Returns the number of rows loaded; throws DbError with a
// readable message on bad input.
namespace LookupLoader
{
int load(Database &db, const QString &table, const QString &csvPath);
}
