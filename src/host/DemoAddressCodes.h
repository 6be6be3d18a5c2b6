#pragma once

#include <QString>

class Database;

namespace DemoData
{

// Enters the department's district, post-office and locality codes of every Indian address
// of a demo client's report of a year, as the accountant types them: the program keeps no list of them,
// so a demo report without them could not be filed. The demo's codes are samples.
void enterAddressCodes(Database &db, const QString &client, const QString &yearKey);

} // namespace DemoData
