#include "SqlErrorText.h"

#include <QSqlError>

namespace SqlErrorText
{

namespace
{

// Another connection holds the rows: MySQL's lock wait timeout (1205), SQLite's busy and
// locked results (5 and 6, also as extended codes).
bool isLockWait(const QSqlError &error)
{
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number);
    if (number && (code == 1205 || code % 256 == 5 || code % 256 == 6))
        return true;
    return rawText(error).contains(QLatin1String("database is locked"), Qt::CaseInsensitive);
}

// The server broke a deadlock between two transactions by undoing this one (MySQL 1213).
bool isDeadlock(const QSqlError &error)
{
    return error.nativeErrorCode() == QLatin1String("1213");
}

} // namespace

QString rawText(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return text;
}

QString errorText(const QSqlError &error)
{
    if (isDeadlock(error))
        return QStringLiteral("The database server stopped this work to break a deadlock with another "
                              "workstation's; nothing of it was saved. Try again.");
    if (isLockWait(error))
        return QStringLiteral("Another workstation is saving this client's report; try again in a moment.");
    return rawText(error);
}

DbError errorOf(const QSqlError &error, const QString &sql)
{
    const DbError::Kind kind = isDeadlock(error)   ? DbError::Kind::Deadlock
                               : isLockWait(error) ? DbError::Kind::LockWait
                                                   : DbError::Kind::Other;
    return DbError(errorText(error), sql, kind);
}

} // namespace SqlErrorText
