#pragma once

#include "TextRows.h"

#include <QSqlError>
#include <QVariantList>
#include <functional>

struct sqlite3;
struct sqlite3_stmt;

// The rows of a query on an SQLite connection that Qt opened, stepped through SQLite's own
// interface: each value becomes a QString straight from its UTF-8 bytes, with none of the
// variants Qt's driver makes a value. The connection, and the transaction open on it, stay
// Qt's; the statement is finished when this goes.
class SqliteTextRows : public TextRows
{
public:
    // Raises the error of a statement that cannot run; `fail` must not return.
    using Fail = std::function<void(const QSqlError &)>;

    // Prepares the statement on the connection and binds the values in order.
    SqliteTextRows(sqlite3 *connection, const QString &sql, const QVariantList &binds, Fail fail);
    ~SqliteTextRows() override;
    SqliteTextRows(const SqliteTextRows &) = delete;
    SqliteTextRows &operator=(const SqliteTextRows &) = delete;

    bool next() override;
    QString text(int column) const override;
    QString text(int column, const QString &same) const override;
    qint64 number(int column) const override;

    // The SQLite connection under a Qt connection to an SQLite database; null for any other.
    static sqlite3 *connectionOf(const QVariant &driverHandle);

private:
    [[noreturn]] void raise() const;
    void bind(int place, const QVariant &value);

    sqlite3 *m_connection;
    sqlite3_stmt *m_statement = nullptr;
    Fail m_fail;
};
