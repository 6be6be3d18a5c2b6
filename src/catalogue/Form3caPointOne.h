#pragma once

#include <QString>

// Form 3CA's first paragraph, kept as one row "3CA1" on page 1: its thirteen values by their
// column (from 1), as the page shows them, the rules check them and the report prints them.
namespace Form3caPointOne
{

inline const QString Point = QStringLiteral("3CA1");

enum Column {
    IWe = 1,    // "I" / "We"
    MeUs,       // "me" / "us" / "M/s."
    Firm,       // the CA or firm that did the statutory audit
    Act,        // the law the accounts were audited under
    OtherAct,   // that law's name when none of the listed ones
    IWe2,       // "I" / "We" who annex the report
    MyOurTheir, // whose audit report is annexed
    ReportedOn, // the date of that audit report
    Accounts,   // "profit and loss account" / "income and expenditure account"
    PeriodFrom, // the period the accounts cover
    PeriodTo,
    Year,      // the balance sheet's year
    Accounts2, // the accounts named again in (c)
    ColumnCount = Accounts2
};

// The place of a column in the row's list of cells (from 0).
constexpr int index(Column column)
{
    return column - 1;
}

} // namespace Form3caPointOne
