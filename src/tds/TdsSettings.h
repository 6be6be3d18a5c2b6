#pragma once

#include "store/DbUrl.h"

class HostContext;

// Where the TDS product's database is, from the host's settings file: the product's
// registry values (kept under "Software/Kestrova/TDS": "MySqlVer", "ThinClient", "Server",
// "Database") and the "MySql" section's "UID_", "PWD_" and "Port_" keys of that MySQL
// version ("UID_80" for "8.0"). A "Database" value that is itself an address
// ("sqlite:/path/tds.db", "mysql://…") is taken as it stands.
namespace TdsSettings
{

inline const QString kRegistryKey = QStringLiteral("Software/Kestrova/TDS");

DbUrl connection(const HostContext &host);

} // namespace TdsSettings
