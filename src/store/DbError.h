#pragma once

#include <QString>
#include <stdexcept>

// Raised by the store when a statement fails; every command's error trap catches it.
class DbError : public std::runtime_error
{
public:
    DbError(const QString &message, const QString &sql = {})
        : std::runtime_error(message.toStdString()), m_message(message), m_sql(sql)
    {
    }
    QString message() const { return m_message; }
    QString sql() const { return m_sql; }

private:
    QString m_message;
    QString m_sql;
};
