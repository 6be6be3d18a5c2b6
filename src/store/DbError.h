#pragma once

#include <QString>
#include <stdexcept>

// Raised by the store when a statement fails; every command's error trap catches it.
class DbError : public std::runtime_error
{
public:
    // What went wrong, where a caller may act on it: a deadlock is worth trying again.
    enum class Kind { Other, Deadlock, LockWait, ConnectionLost, TooLarge };

    DbError(const QString &message, const QString &sql = {}, Kind kind = Kind::Other)
        : std::runtime_error(message.toStdString()), m_message(message), m_sql(sql), m_kind(kind)
    {
    }
    QString message() const { return m_message; }
    QString sql() const { return m_sql; }
    Kind kind() const { return m_kind; }

private:
    QString m_message;
    QString m_sql;
    Kind m_kind;
};
