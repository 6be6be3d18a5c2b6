#include "MariadbClient.h"

#include <QLibrary>

namespace
{

template <typename Function> void resolve(QLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
}

} // namespace

const MariadbClient &MariadbClient::instance()
{
    static const MariadbClient client = load(QStringLiteral("mariadb"), 3);
    return client;
}

MariadbClient MariadbClient::load(const QString &name, int version)
{
    MariadbClient client;
    QLibrary library(name, version);
    if (!library.load()) {
        client.failure =
            QStringLiteral("The MariaDB client library could not be loaded: %1").arg(library.errorString());
        return client;
    }
    resolve(library, "mysql_errno", client.errorNumber);
    resolve(library, "mysql_error", client.error);
    resolve(library, "mysql_stmt_init", client.stmtInit);
    resolve(library, "mysql_stmt_prepare", client.stmtPrepare);
    resolve(library, "mysql_stmt_close", client.stmtClose);
    resolve(library, "mysql_stmt_errno", client.stmtErrorNumber);
    resolve(library, "mysql_stmt_error", client.stmtError);
    resolve(library, "mysql_stmt_param_count", client.stmtParamCount);
    resolve(library, "mysql_stmt_bind_param", client.stmtBindParam);
    resolve(library, "mysql_stmt_execute", client.stmtExecute);
    resolve(library, "mysql_stmt_field_count", client.stmtFieldCount);
    resolve(library, "mysql_stmt_bind_result", client.stmtBindResult);
    resolve(library, "mysql_stmt_fetch", client.stmtFetch);
    resolve(library, "mysql_stmt_fetch_column", client.stmtFetchColumn);
    if (!client.errorNumber || !client.error || !client.stmtInit || !client.stmtPrepare ||
        !client.stmtClose || !client.stmtErrorNumber || !client.stmtError || !client.stmtParamCount ||
        !client.stmtBindParam || !client.stmtExecute || !client.stmtFieldCount || !client.stmtBindResult ||
        !client.stmtFetch || !client.stmtFetchColumn)
        client.failure = QStringLiteral("The MariaDB client library %1 lacks a function it should have.")
                             .arg(library.fileName());
    return client;
}
