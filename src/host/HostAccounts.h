#pragma once

#include <QString>

// The accounts services of the host that the audit report calls: the name of a year's
// balances table, the client's miscellaneous settings and the profit-and-loss figures.
// They read the host's database through host().DBObj().
namespace HostAccounts
{

// "TAB_2026" for the year key "2026"; throws DbError when the key is not a year.
QString gettbname(const QString &yearKey);

// A miscellaneous setting of the current client ("SEPDEP"); "" when not set.
QString GetMiscOthInf(const QString &key);

// Profit-and-loss figures of a client and year, drawn from its balances (AccountsYear; 0
// when the year has none).
// netp_l is the balance of the profit and loss account carried to the balance sheet:
// the year's profit after tax plus the balance brought forward (GetPLBF) less the
// appropriations (GetPLApp). GetDefTaxAmt and getprov are the deferred tax and the
// provision for current tax debited in the year.
double netp_l(const QString &client, const QString &yearKey);
double GetDefTaxAmt(const QString &client, const QString &yearKey);
double getprov(const QString &client, const QString &yearKey);
double GetPLApp(const QString &client, const QString &yearKey);
double GetPLBF(const QString &client, const QString &yearKey);

} // namespace HostAccounts
