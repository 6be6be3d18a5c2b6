#pragma once

#include "TalvexBase.h"

#include <QString>
#include <memory>

// Opens our host on the database chosen by "--db", else the settings file's
// "Database/Url", else the embedded SQLite file in the data folder.
namespace HostSetup
{

QString databaseAddress(const QString &option, const TalvexBase::Paths &paths);

// The embedded database, in "Data" under the documents folder: a folder of its own, which no
// file dialog opens, because a process that opens and closes the database file loses the
// locks SQLite holds on it.
QString embeddedDatabase(const TalvexBase::Paths &paths);
// Moves the database earlier versions kept in the documents folder itself into the data
// folder: SQLite's consistent copy, checked, then the old file renamed talvex.db.old.
// Throws DbError, moving nothing, while another program still has the old file open.
void moveEmbeddedDatabase(const TalvexBase::Paths &paths);

// Throws DbError with a readable message when the database cannot be opened.
std::unique_ptr<TalvexBase> openHost(const QString &dbOption);

} // namespace HostSetup
