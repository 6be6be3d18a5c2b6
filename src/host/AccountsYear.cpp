#include "AccountsYear.h"

#include "AccountsSchema.h"
#include "ChartOfAccounts.h"
#include "HostAccounts.h"
#include "store/Database.h"

#include <algorithm>

using namespace ChartOfAccounts;

AccountsYear AccountsYear::read(Database &db, const QString &client, const QString &yearKey)
{
    AccountsYear year;
    year.m_yearKey = yearKey;
    const QString table = HostAccounts::gettbname(yearKey);
    if (db.tableExists(table)) {
        Recordset rs =
            db.Execute(QStringLiteral("SELECT m.allid, m.gid, m.nid, m.AcName, sum(t.amt) FROM %1 t "
                                      "JOIN mast_allgrp m ON m.allid=t.allid WHERE t.Code_No=? "
                                      "GROUP BY m.allid, m.gid, m.nid, m.AcName ORDER BY m.allid")
                           .arg(table),
                       {client});
        for (; !rs.Eof(); rs.MoveNext()) {
            const double amount = rs.Fields(4).toDouble();
            if (amount != 0)
                year.m_heads << Head{rs.Fields(0).toInt(), rs.Fields(1).toInt(), rs.Fields(2).toInt(),
                                     rs.Fields(3), amount};
        }
    }
    Recordset trade = db.Execute(
        QStringLiteral("SELECT Particulars, amt FROM trade WHERE Code_No=? AND FYr=? ORDER BY Particulars"),
        {client, yearKey});
    for (; !trade.Eof(); trade.MoveNext())
        year.m_trade << Entry{trade.Fields(0), trade.Fields(1).toDouble()};
    return year;
}

QList<AccountsYear::Head> AccountsYear::headsOf(int gid) const
{
    QList<Head> found;
    std::copy_if(m_heads.begin(), m_heads.end(), std::back_inserter(found),
                 [gid](const Head &h) { return h.gid == gid; });
    return found;
}

bool AccountsYear::hasContraHeads(int gid)
{
    return gid == AccountsSchema::Sales || gid == AccountsSchema::Purchases ||
           gid == AccountsSchema::DirectExpenses;
}

double AccountsYear::sum(int gid) const
{
    double total = 0;
    for (const Head &h : m_heads)
        total += h.gid == gid ? h.amount : 0;
    return total;
}

double AccountsYear::sum(int gid, int nid) const
{
    double total = 0;
    for (const Head &h : m_heads)
        total += h.gid == gid && h.nid == nid ? h.amount : 0;
    return total;
}

double AccountsYear::net(int gid) const
{
    return sum(gid, AccountsSchema::Main) - sum(gid, AccountsSchema::Contra);
}

double AccountsYear::sumOfMaterials(int gid, bool material) const
{
    double total = 0;
    for (const Head &h : m_heads) {
        const ChartOfAccounts::Head *known = headOf(h.allid);
        if (h.gid == gid && (known && known->material) == material)
            total += h.nid == AccountsSchema::Contra && hasContraHeads(gid) ? -h.amount : h.amount;
    }
    return total;
}

double AccountsYear::turnover() const
{
    return net(AccountsSchema::Sales);
}

double AccountsYear::tradeIncome() const
{
    double total = 0;
    for (const Entry &e : m_trade)
        total += e.amount;
    return total;
}

double AccountsYear::openingStock() const
{
    return sum(AccountsSchema::OpeningStock);
}

double AccountsYear::closingStock() const
{
    return sum(AccountsSchema::ClosingStock);
}

double AccountsYear::grossProfit() const
{
    return turnover() + tradeIncome() + closingStock() - openingStock() - net(AccountsSchema::Purchases) -
           net(AccountsSchema::DirectExpenses);
}

double AccountsYear::indirectExpenses() const
{
    return sum(EmployeeBenefits) + sum(FinanceCosts) + sum(Depreciation) + sum(OtherExpenses);
}

double AccountsYear::profitBeforeTax() const
{
    return grossProfit() + sum(OtherIncome) - indirectExpenses();
}

double AccountsYear::currentTax() const
{
    return sum(TaxExpense, AccountsSchema::Main);
}

double AccountsYear::deferredTax() const
{
    return sum(TaxExpense, AccountsSchema::Contra);
}

double AccountsYear::profitAfterTax() const
{
    return profitBeforeTax() - currentTax() - deferredTax();
}

double AccountsYear::broughtForward() const
{
    return sum(SurplusBroughtForward);
}

double AccountsYear::appropriations() const
{
    return sum(Appropriations);
}

double AccountsYear::surplusCarried() const
{
    return broughtForward() + profitAfterTax() - appropriations();
}

double AccountsYear::totalOfLiabilities() const
{
    return sum(Capital) + sum(Reserves) + surplusCarried() + sum(LongTermBorrowings) +
           sum(ShortTermBorrowings) + sum(DeferredTaxLiability) + sum(TradePayables) +
           sum(OtherCurrentLiabilities) + sum(ShortTermProvisions);
}

double AccountsYear::totalOfAssets() const
{
    return sum(FixedAssets) + sum(Investments) + closingStock() + sum(TradeReceivables) + sum(CashAndBank) +
           sum(LoansAndAdvances);
}
