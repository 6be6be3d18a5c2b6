#pragma once

#include <QString>

class Database;

// The host's accounts data that the audit report reads: the account heads and their
// groups (mast_allgrp, the chart of ChartOfAccounts), the closing balances of each year
// (table TAB_ followed by the year key), from which the balance sheet and the profit and
// loss account are drawn, the trading-account entries (trade), the
// client's miscellaneous settings (misc_oth_inf), the income-tax computation's business
// figures (income_business) and the report table of years before 2015 (annex_3cd).
namespace AccountsSchema
{

void ensureTables(Database &db);
// The balances table of one year; throws DbError on a bad year key.
void ensureYearTables(Database &db, const QString &yearKey);

// Account groups read for the turnover ratios (gid of mast_allgrp).
enum Group { OpeningStock = 15, ClosingStock = 16, Sales = 18, Purchases = 19, DirectExpenses = 20 };
// nid of mast_allgrp: in the sales, purchase and expense groups 1 is a head of the group's
// own nature and 2 a contra head (returns, discounts); in the stock groups 1 is
// stock-in-trade and finished goods, 2 raw materials and work in progress.
enum Nature { Main = 1, Contra = 2 };

} // namespace AccountsSchema
