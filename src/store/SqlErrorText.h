#pragma once

#include "DbError.h"

#include <QString>

class QSqlError;

// How a failed statement is told to the user, whichever way it reached the database: the
// other connection's lock or the server's deadlock in words the user can act on, anything
// else in the database's own words.
namespace SqlErrorText
{

QString rawText(const QSqlError &error);
QString errorText(const QSqlError &error);
DbError errorOf(const QSqlError &error, const QString &sql);

} // namespace SqlErrorText
