#pragma once

#include <QList>

// The host's chart of accounts: every head the demo books use, with its group (gid) and
// nature (nid) as kept in mast_allgrp. The groups follow the order of the balance sheet
// and the profit and loss account; AccountsSchema names those the turnover ratios read.
namespace ChartOfAccounts
{

// gid of mast_allgrp beyond the trading groups 15, 16, 18, 19 and 20 of AccountsSchema.
enum Group {
    Capital = 1,
    Reserves = 2,
    SurplusBroughtForward = 3,
    LongTermBorrowings = 4,
    ShortTermBorrowings = 5,
    DeferredTaxLiability = 6,
    TradePayables = 7,
    OtherCurrentLiabilities = 8,
    ShortTermProvisions = 9,
    FixedAssets = 10,
    Investments = 11,
    TradeReceivables = 12,
    CashAndBank = 13,
    LoansAndAdvances = 14,
    OtherIncome = 17,
    EmployeeBenefits = 21,
    FinanceCosts = 22,
    Depreciation = 23,
    OtherExpenses = 24,
    TaxExpense = 25, // nid 1 current tax, 2 deferred tax
    Appropriations = 26,
};

struct Head {
    int allid;
    int gid;
    int nid;
    const char *name;
    // Raw materials and work in progress: the heads of the cost of materials consumed.
    bool material = false;
};

const QList<Head> &heads();
// The head of an allid, or nullptr for one the chart does not know.
const Head *headOf(int allid);

} // namespace ChartOfAccounts
