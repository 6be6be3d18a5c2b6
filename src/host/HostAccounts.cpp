#include "HostAccounts.h"

#include "AccountsYear.h"
#include "HostContext.h"
#include "store/ClauseTables.h"
#include "store/Database.h"

namespace HostAccounts
{

namespace
{

AccountsYear booksOf(const QString &client, const QString &yearKey)
{
    return AccountsYear::read(host().DBObj(), client, yearKey);
}

} // namespace

QString gettbname(const QString &yearKey)
{
    ClauseTables::requireYearKey(yearKey);
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
    return booksOf(client, yearKey).surplusCarried();
}

double GetDefTaxAmt(const QString &client, const QString &yearKey)
{
    return booksOf(client, yearKey).deferredTax();
}

double getprov(const QString &client, const QString &yearKey)
{
    return booksOf(client, yearKey).currentTax();
}

double GetPLApp(const QString &client, const QString &yearKey)
{
    return booksOf(client, yearKey).appropriations();
}

double GetPLBF(const QString &client, const QString &yearKey)
{
    return booksOf(client, yearKey).broughtForward();
}

} // namespace HostAccounts
