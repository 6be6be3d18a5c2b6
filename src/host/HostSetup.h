#pragma once

#include "TalvexBase.h"

#include <QString>
#include <memory>

// Opens our host on the database chosen by "--db", else the settings file's
// "Database/Url", else the embedded SQLite file in the documents folder.
namespace HostSetup
{

QString databaseAddress(const QString &option, const TalvexBase::Paths &paths);

// Throws DbError with a readable message when the database cannot be opened.
std::unique_ptr<TalvexBase> openHost(const QString &dbOption);

} // namespace HostSetup
