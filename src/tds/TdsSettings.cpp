#include "TdsSettings.h"

#include "host/HostContext.h"

namespace TdsSettings
{

DbUrl connection(const HostContext &host)
{
    const auto registry = [&](const char *value, const QString &fallback = {}) {
        return host.GetSettingINI(kRegistryKey, QLatin1String(value), fallback).trimmed();
    };
    const QString database = registry("Database");
    const DbUrl address = DbUrl::parse(database);
    if (address.isValid() || database.isEmpty())
        return address;

    const QString version = registry("MySqlVer").remove(u'.');
    const auto mysql = [&](const char *key, const QString &fallback = {}) {
        return host.GetSettingINI(QStringLiteral("MySql"), QLatin1String(key) + version, fallback).trimmed();
    };
    // A thin client reaches the server named in the settings; otherwise the product runs
    // its server on this machine.
    const QString thin = registry("ThinClient");
    const bool thinClient =
        thin == QLatin1String("1") || thin.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    DbUrl url;
    url.kind = DbUrl::Kind::MySQL;
    url.host = thinClient ? registry("Server", QStringLiteral("localhost")) : QStringLiteral("localhost");
    url.user = mysql("UID_");
    url.password = mysql("PWD_");
    url.port = mysql("Port_", QStringLiteral("3306")).toInt();
    url.database = database;
    return url;
}

} // namespace TdsSettings
