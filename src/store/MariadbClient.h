#pragma once

#include <QString>
#include <mysql.h>

// The functions of the MariaDB client library that read rows of a server connection. The
// library is loaded when a server's rows are first read, not linked: with the TLS libraries
// it needs it would be loaded by every start of the programs, most of which open an SQLite
// file. Qt's MariaDB driver has loaded it already by the time a server connection is open.
struct MariadbClient {
    decltype(&mysql_errno) errorNumber = nullptr;
    decltype(&mysql_error) error = nullptr;
    decltype(&mysql_stmt_init) stmtInit = nullptr;
    decltype(&mysql_stmt_prepare) stmtPrepare = nullptr;
    decltype(&mysql_stmt_close) stmtClose = nullptr;
    decltype(&mysql_stmt_errno) stmtErrorNumber = nullptr;
    decltype(&mysql_stmt_error) stmtError = nullptr;
    decltype(&mysql_stmt_param_count) stmtParamCount = nullptr;
    decltype(&mysql_stmt_bind_param) stmtBindParam = nullptr;
    decltype(&mysql_stmt_execute) stmtExecute = nullptr;
    decltype(&mysql_stmt_field_count) stmtFieldCount = nullptr;
    decltype(&mysql_stmt_bind_result) stmtBindResult = nullptr;
    decltype(&mysql_stmt_fetch) stmtFetch = nullptr;
    decltype(&mysql_stmt_fetch_column) stmtFetchColumn = nullptr;
    // Why the library cannot be used; empty when every function was found.
    QString failure;

    // The library the programs use, loaded on the first call.
    static const MariadbClient &instance();
    // The library of this name and major version, loaded now.
    static MariadbClient load(const QString &name, int version);
};
