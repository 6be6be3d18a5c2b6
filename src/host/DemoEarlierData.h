#pragma once

#include <QString>

class Database;

// What a firm that used the program's earlier versions still has for the demo: the second
// demo client's report of the year kept in the older clause table ("annex_new_3cd_"), and
// the third client's answers to the old report wizard of the year and the year before, and
// the Form 3CEB client's report of the year in the older Form 3CEB table ("anx_3ceb"), for
// trying the imports from them.
namespace DemoEarlierData
{

void create(Database &db, const QString &yearKey);

} // namespace DemoEarlierData
