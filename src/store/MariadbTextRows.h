#pragma once

#include "TextRows.h"

#include <QByteArray>
#include <QSqlError>
#include <QVariantList>
#include <functional>
#include <vector>

struct st_mysql;
struct st_mysql_stmt;
struct st_mysql_bind;
struct MariadbClient;

// The rows of a query on a MariaDB or MySQL connection that Qt opened, read through the
// client library's own prepared statements as the server sends them: Qt's driver would
// first take the whole result into memory and then make a variant of every value. The
// connection, and the transaction open on it, stay Qt's; nothing else may run on it until
// this goes, when the statement is closed and whatever rows were left unread are dropped.
class MariadbTextRows : public TextRows
{
public:
    // Raises the error of a statement that cannot run; `fail` must not return.
    using Fail = std::function<void(const QSqlError &)>;

    // Prepares the statement on the connection, binds the values in order and runs it.
    MariadbTextRows(st_mysql *connection, const QString &sql, const QVariantList &binds, Fail fail);
    ~MariadbTextRows() override;
    MariadbTextRows(const MariadbTextRows &) = delete;
    MariadbTextRows &operator=(const MariadbTextRows &) = delete;

    bool next() override;
    QString text(int column) const override;
    QString text(int column, const QString &same) const override;
    qint64 number(int column) const override;

    // The client connection under a Qt connection to a MariaDB or MySQL server; null for any other.
    static st_mysql *connectionOf(const QVariant &driverHandle);

private:
    struct Column {
        QByteArray buffer;
        unsigned long length = 0;
        char isNull = 0;
        char truncated = 0;
    };

    [[noreturn]] void raise() const;
    void bindParameters(const QVariantList &binds);
    void bindColumns();
    // Reads in full the values of the current row that were longer than their buffers.
    void fetchTruncated();
    QByteArrayView bytes(int column) const;

    const MariadbClient &m_client;
    st_mysql *m_connection;
    st_mysql_stmt *m_statement = nullptr;
    Fail m_fail;
    std::vector<Column> m_columns;
    std::vector<st_mysql_bind> m_binds;
};
