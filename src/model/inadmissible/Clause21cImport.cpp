#include "Clause21cImport.h"

#include "host/HostContext.h"
#include "model/amounts/Amounts.h"
#include "store/Database.h"

namespace Clause21cImport
{

namespace
{

void addRow(QList<QStringList> &rows, const QString &particulars, double disallowed, double allowed)
{
    if (disallowed == 0 && allowed == 0)
        return;
    rows << QStringList{particulars,
                        QStringLiteral("40(b)"),
                        Amounts::format0(allowed + disallowed),
                        Amounts::format0(allowed),
                        Amounts::format0(disallowed),
                        QString()};
}

} // namespace

QList<QStringList> rows(const QString &client, const QString &yearKey)
{
    Recordset rs = host().DBObj().Execute(
        QStringLiteral("Select DisAllRem, AllRem, DisAllInt, AllInt from income_business where code_no=? and "
                       "ass_year=? order by business_no"),
        {client, yearKey.toInt()});
    QList<QStringList> out;
    for (; !rs.Eof(); rs.MoveNext()) {
        addRow(out, QStringLiteral("Remuneration"), rs.Fields(0).toDouble(), rs.Fields(1).toDouble());
        addRow(out, QStringLiteral("Interest"), rs.Fields(2).toDouble(), rs.Fields(3).toDouble());
    }
    return out;
}

} // namespace Clause21cImport
