#include "MariadbClient.h"

#include "base/LoadedLibrary.h"

const MariadbClient &MariadbClient::instance()
{
    static const MariadbClient client = load(QStringLiteral("mariadb"), 3);
    return client;
}

MariadbClient MariadbClient::load(const QString &name, int version)
{
    MariadbClient client;
    LoadedLibrary library(name, version, QStringLiteral("MariaDB client library"));
    library.resolve("mysql_errno", client.errorNumber);
    library.resolve("mysql_error", client.error);
    library.resolve("mysql_stmt_init", client.stmtInit);
    library.resolve("mysql_stmt_prepare", client.stmtPrepare);
    library.resolve("mysql_stmt_close", client.stmtClose);
    library.resolve("mysql_stmt_errno", client.stmtErrorNumber);
    library.resolve("mysql_stmt_error", client.stmtError);
    library.resolve("mysql_stmt_param_count", client.stmtParamCount);
    library.resolve("mysql_stmt_bind_param", client.stmtBindParam);
    library.resolve("mysql_stmt_execute", client.stmtExecute);
    library.resolve("mysql_stmt_field_count", client.stmtFieldCount);
    library.resolve("mysql_stmt_bind_result", client.stmtBindResult);
    library.resolve("mysql_stmt_fetch", client.stmtFetch);
    library.resolve("mysql_stmt_fetch_column", client.stmtFetchColumn);
    client.failure = library.failure();
    return client;
}
