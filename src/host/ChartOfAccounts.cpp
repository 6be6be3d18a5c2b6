#include "ChartOfAccounts.h"

#include "AccountsSchema.h"

namespace ChartOfAccounts
{

const QList<Head> &heads()
{
    using namespace AccountsSchema;
    static const QList<Head> list{
        {101, Capital, Main, "Equity share capital"},
        {102, Capital, Main, "Partners' capital accounts"},
        {103, Capital, Main, "Proprietor's capital account"},
        {201, Reserves, Main, "General reserve"},
        {202, Reserves, Main, "Securities premium"},
        {301, SurplusBroughtForward, Main, "Surplus in profit and loss account brought forward"},
        {401, LongTermBorrowings, Main, "Term loans from banks (secured)"},
        {402, LongTermBorrowings, Main, "Loans from directors and partners (unsecured)"},
        {501, ShortTermBorrowings, Main, "Cash credit from banks (secured)"},
        {601, DeferredTaxLiability, Main, "Deferred tax liability (net)"},
        {701, TradePayables, Main, "Sundry creditors for goods and services"},
        {801, OtherCurrentLiabilities, Main, "Statutory dues payable"},
        {802, OtherCurrentLiabilities, Main, "Expenses payable"},
        {803, OtherCurrentLiabilities, Main, "Advances from customers"},
        {901, ShortTermProvisions, Main, "Provision for income tax"},
        {1001, FixedAssets, Main, "Land"},
        {1002, FixedAssets, Main, "Buildings"},
        {1003, FixedAssets, Main, "Plant and machinery"},
        {1004, FixedAssets, Main, "Furniture and fittings"},
        {1005, FixedAssets, Main, "Computers and software"},
        {1006, FixedAssets, Main, "Vehicles"},
        {1101, Investments, Main, "Investments in mutual funds"},
        {1201, TradeReceivables, Main, "Sundry debtors"},
        {1301, CashAndBank, Main, "Cash on hand"},
        {1302, CashAndBank, Main, "Balances with banks"},
        {1401, LoansAndAdvances, Main, "Advance tax and tax deducted at source"},
        {1402, LoansAndAdvances, Main, "Security deposits"},
        {1403, LoansAndAdvances, Main, "Advances to suppliers"},
        {1404, LoansAndAdvances, Main, "Prepaid expenses"},
        {1501, OpeningStock, Main, "Opening stock - stock-in-trade and finished goods"},
        {1502, OpeningStock, Contra, "Opening stock - raw materials and work in progress", true},
        {1601, ClosingStock, Main, "Closing stock - stock-in-trade and finished goods"},
        {1602, ClosingStock, Contra, "Closing stock - raw materials and work in progress", true},
        {1701, OtherIncome, Main, "Interest income"},
        {1702, OtherIncome, Main, "Miscellaneous income"},
        {1801, Sales, Main, "Sales of goods"},
        {1802, Sales, Main, "Sales of services"},
        {1803, Sales, Contra, "Sales returns and trade discounts"},
        {1901, Purchases, Main, "Purchases of stock-in-trade"},
        {1902, Purchases, Main, "Purchases of raw materials", true},
        {1903, Purchases, Contra, "Purchase returns"},
        {2001, DirectExpenses, Main, "Freight and cartage inward"},
        {2002, DirectExpenses, Main, "Wages"},
        {2003, DirectExpenses, Main, "Power and fuel"},
        {2004, DirectExpenses, Main, "Job work charges"},
        {2101, EmployeeBenefits, Main, "Salaries and wages"},
        {2102, EmployeeBenefits, Main, "Contribution to provident and other funds"},
        {2103, EmployeeBenefits, Main, "Directors' remuneration"},
        {2104, EmployeeBenefits, Main, "Partners' remuneration"},
        {2105, EmployeeBenefits, Main, "Staff welfare expenses"},
        {2201, FinanceCosts, Main, "Interest on loans"},
        {2202, FinanceCosts, Main, "Interest on cash credit"},
        {2203, FinanceCosts, Main, "Interest to partners"},
        {2204, FinanceCosts, Main, "Bank charges"},
        {2301, Depreciation, Main, "Depreciation and amortisation"},
        {2401, OtherExpenses, Main, "Rent"},
        {2402, OtherExpenses, Main, "Freight outward"},
        {2403, OtherExpenses, Main, "Advertisement"},
        {2404, OtherExpenses, Main, "Travelling and conveyance"},
        {2405, OtherExpenses, Main, "Payment to auditors"},
        {2406, OtherExpenses, Main, "Repairs and maintenance"},
        {2407, OtherExpenses, Main, "Insurance"},
        {2408, OtherExpenses, Main, "Legal and professional fees"},
        {2409, OtherExpenses, Main, "Office and general expenses"},
        {2501, TaxExpense, Main, "Current tax"},
        {2502, TaxExpense, Contra, "Deferred tax"},
        {2601, Appropriations, Main, "Transfer to general reserve"},
        {2602, Appropriations, Main, "Profit transferred to partners' capital accounts"},
    };
    return list;
}

const Head *headOf(int allid)
{
    for (const Head &h : heads()) {
        if (h.allid == allid)
            return &h;
    }
    return nullptr;
}

} // namespace ChartOfAccounts
