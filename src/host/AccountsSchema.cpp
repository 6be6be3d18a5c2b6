#include "AccountsSchema.h"

#include "HostAccounts.h"
#include "SchemaTable.h"
#include "store/Database.h"

namespace AccountsSchema
{

namespace
{

using Col = SchemaTable::Column;

struct Head {
    int allid;
    int gid;
    int nid;
    const char *name;
};

// The account heads of the trading account; other heads of the host's chart of accounts
// are not read by the report.
const Head heads[] = {
    {1501, OpeningStock, Main, "Opening stock - stock-in-trade and finished goods"},
    {1502, OpeningStock, Contra, "Opening stock - raw materials and work in progress"},
    {1601, ClosingStock, Main, "Closing stock - stock-in-trade and finished goods"},
    {1602, ClosingStock, Contra, "Closing stock - raw materials and work in progress"},
    {1801, Sales, Main, "Sales of goods"},
    {1802, Sales, Main, "Sales of services"},
    {1803, Sales, Contra, "Sales returns and trade discounts"},
    {1901, Purchases, Main, "Purchases of stock-in-trade"},
    {1902, Purchases, Main, "Purchases of raw materials"},
    {1903, Purchases, Contra, "Purchase returns"},
    {2001, DirectExpenses, Main, "Freight and cartage inward"},
    {2002, DirectExpenses, Main, "Wages"},
    {2003, DirectExpenses, Main, "Power and fuel"},
    {2004, DirectExpenses, Main, "Job work charges"},
};

void seedHeads(Database &db)
{
    Recordset rs = db.Execute(QStringLiteral("SELECT count(*) FROM mast_allgrp"));
    if (rs.Fields(0).toInt() > 0)
        return;
    Transaction tx(db);
    for (const Head &h : heads) {
        db.Execute(QStringLiteral("INSERT INTO mast_allgrp (allid, gid, nid, AcName) VALUES (?,?,?,?)"),
                   {h.allid, h.gid, h.nid, QString::fromUtf8(h.name)});
    }
    tx.commit();
}

} // namespace

void ensureTables(Database &db)
{
    const Col code{QStringLiteral("Code_No"), Col::Key};
    const Col year{QStringLiteral("FYr"), Col::Key};
    SchemaTable::create(db, QStringLiteral("mast_allgrp"),
                        {{QStringLiteral("allid"), Col::Int},
                         {QStringLiteral("gid"), Col::Int},
                         {QStringLiteral("nid"), Col::Int},
                         {QStringLiteral("AcName"), Col::Text}});
    seedHeads(db);
    SchemaTable::create(
        db, QStringLiteral("trade"),
        {code, year, {QStringLiteral("Particulars"), Col::Text}, {QStringLiteral("amt"), Col::Amount}},
        {QStringLiteral("Code_No")});
    SchemaTable::create(db, QStringLiteral("pl_summary"),
                        {code,
                         year,
                         {QStringLiteral("NetPL"), Col::Amount},
                         {QStringLiteral("DefTax"), Col::Amount},
                         {QStringLiteral("ProvTax"), Col::Amount},
                         {QStringLiteral("PLApp"), Col::Amount},
                         {QStringLiteral("PLBF"), Col::Amount}},
                        {QStringLiteral("Code_No")});
    SchemaTable::create(db, QStringLiteral("misc_oth_inf"),
                        {code, {QStringLiteral("InfKey"), Col::Key}, {QStringLiteral("InfVal"), Col::Text}},
                        {QStringLiteral("Code_No")});
    SchemaTable::create(db, QStringLiteral("income_business"),
                        {code,
                         {QStringLiteral("ass_year"), Col::Int},
                         {QStringLiteral("business_no"), Col::Int},
                         {QStringLiteral("BusName"), Col::Text},
                         {QStringLiteral("DisAllRem"), Col::Amount},
                         {QStringLiteral("AllRem"), Col::Amount},
                         {QStringLiteral("DisAllInt"), Col::Amount},
                         {QStringLiteral("AllInt"), Col::Amount}},
                        {QStringLiteral("Code_No")});
    SchemaTable::create(db, QStringLiteral("annex_3cd"), SchemaTable::clauseColumns(15),
                        {QStringLiteral("Code_No"), QStringLiteral("FYr")});
}

void ensureYearTables(Database &db, const QString &yearKey)
{
    SchemaTable::create(db, HostAccounts::gettbname(yearKey),
                        {{QStringLiteral("Code_No"), Col::Key},
                         {QStringLiteral("allid"), Col::Int},
                         {QStringLiteral("amt"), Col::Amount}},
                        {QStringLiteral("Code_No")});
}

} // namespace AccountsSchema
