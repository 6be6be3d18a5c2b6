#include "ClientList.h"

#include "Database.h"

namespace ClientList
{

QList<Client> byName(Database &db)
{
    QList<Client> clients;
    Recordset rs = db.Execute(QStringLiteral("SELECT Code_No, Name, PAN FROM main_info1 ORDER BY Name"));
    for (; !rs.Eof(); rs.MoveNext())
        clients << Client{rs.Fields(0), rs.Fields(1), rs.Fields(2)};
    return clients;
}

bool has(Database &db, const QString &code)
{
    return !db.Execute(QStringLiteral("SELECT Code_No FROM main_info1 WHERE Code_No=?"), {code}).Eof();
}

} // namespace ClientList
