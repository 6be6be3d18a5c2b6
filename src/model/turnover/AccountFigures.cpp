#include "AccountFigures.h"

#include "host/AccountsSchema.h"
#include "host/HostAccounts.h"
#include "host/HostContext.h"
#include "store/Database.h"

namespace AccountFigures
{

double GroupSums::net(int gid) const
{
    return sum(gid, AccountsSchema::Main) - sum(gid, AccountsSchema::Contra);
}

GroupSums GetFigs_Ratio(const QString &client, const QString &yearKey)
{
    Database &db = host().DBObj();
    GroupSums sums;
    const QString table = HostAccounts::gettbname(yearKey);
    if (db.tableExists(table)) {
        for (int gid : {AccountsSchema::Sales, AccountsSchema::Purchases, AccountsSchema::DirectExpenses,
                        AccountsSchema::OpeningStock, AccountsSchema::ClosingStock}) {
            Recordset rs =
                db.Execute(QStringLiteral("Select sum(amt),nid from %1,mast_allgrp Where mast_allgrp.gid=? "
                                          "and %1.allid=mast_allgrp.allid and %1.Code_No=? group by nid")
                               .arg(table),
                           {gid, client});
            for (; !rs.Eof(); rs.MoveNext())
                sums.byGroup[gid][rs.Fields(1).toInt()] = rs.Fields(0).toDouble();
        }
    }
    Recordset rs = db.Execute(QStringLiteral("select sum(amt) from trade where code_no =? and FYr=?"),
                              {client, yearKey});
    sums.trade = rs.Eof() ? 0.0 : rs.Fields(0).toDouble();
    return sums;
}

RatioFigures figures(const QString &client, const QString &yearKey)
{
    using namespace AccountsSchema;
    const GroupSums s = GetFigs_Ratio(client, yearKey);
    RatioFigures f;
    f.turnover = s.net(Sales);
    const double openingStock = s.sum(OpeningStock, Main) + s.sum(OpeningStock, Contra);
    const double closingStock = s.sum(ClosingStock, Main) + s.sum(ClosingStock, Contra);
    f.grossProfit =
        f.turnover + s.trade + closingStock - openingStock - s.net(Purchases) - s.net(DirectExpenses);
    f.stockInTrade = s.sum(ClosingStock, Main);

    const double afterTax = HostAccounts::netp_l(client, yearKey) - HostAccounts::GetPLBF(client, yearKey) +
                            HostAccounts::GetPLApp(client, yearKey);
    const bool beforeTax = host().GetSettingINI(QStringLiteral("Accounts"), QStringLiteral("ONETWO_AMOUNT"),
                                                QStringLiteral("1")) != QLatin1String("2");
    f.netProfit = beforeTax ? afterTax + HostAccounts::GetDefTaxAmt(client, yearKey) +
                                  HostAccounts::getprov(client, yearKey)
                            : afterTax;
    return f;
}

} // namespace AccountFigures
