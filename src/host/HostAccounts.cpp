#include "HostAccounts.h"

#include "HostContext.h"
#include "HostSchema.h"
#include "store/Database.h"
#include "store/DbError.h"

namespace HostAccounts
{

namespace
{

// column is one of the fixed names below, never user text.
double plFigure(const char *column, const QString &client, const QString &yearKey)
{
    Recordset rs = host().DBObj().Execute(
        QStringLiteral("SELECT %1 FROM pl_summary WHERE Code_No=? AND FYr=?").arg(QLatin1String(column)),
        {client, yearKey});
    return rs.Eof() ? 0.0 : rs.Fields(0).toDouble();
}

} // namespace

QString gettbname(const QString &yearKey)
{
    if (!HostSchema::isValidYearKey(yearKey))
        throw DbError(QStringLiteral("Not a financial year: [%1]").arg(yearKey));
    return QStringLiteral("TAB_") + yearKey;
}

QString GetMiscOthInf(const QString &key)
{
    Recordset rs =
        host().DBObj().Execute(QStringLiteral("SELECT InfVal FROM misc_oth_inf WHERE Code_No=? AND InfKey=?"),
                               {host().Temp_Code(), key});
    return rs.Eof() ? QString() : rs.Fields(0);
}

double netp_l(const QString &client, const QString &yearKey)
{
    return plFigure("NetPL", client, yearKey);
}

double GetDefTaxAmt(const QString &client, const QString &yearKey)
{
    return plFigure("DefTax", client, yearKey);
}

double getprov(const QString &client, const QString &yearKey)
{
    return plFigure("ProvTax", client, yearKey);
}

double GetPLApp(const QString &client, const QString &yearKey)
{
    return plFigure("PLApp", client, yearKey);
}

double GetPLBF(const QString &client, const QString &yearKey)
{
    return plFigure("PLBF", client, yearKey);
}

} // namespace HostAccounts
