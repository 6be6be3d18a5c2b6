#include "Signatory.h"

#include "host/HostContext.h"
#include "store/Database.h"
#include "store/Recordset.h"

QList<Signatory> Signatory::ofClient(const QString &client)
{
    QList<Signatory> list;
    if (!hasHost())
        return list;
    Recordset rs = host().DBObj().Execute(
        QStringLiteral("SELECT Name, Designation, DIN FROM signatory1 WHERE Code_No=? ORDER BY SrNo"),
        {client});
    for (; !rs.Eof(); rs.MoveNext())
        list.append({rs.Fields(0), rs.Fields(1), rs.Fields(2)});
    return list;
}
