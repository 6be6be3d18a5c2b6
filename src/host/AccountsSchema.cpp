#include "AccountsSchema.h"

#include "ChartOfAccounts.h"
#include "HostAccounts.h"
#include "store/Database.h"
#include "store/SchemaTable.h"

#include <QSet>

namespace AccountsSchema
{

namespace
{

using Col = SchemaTable::Column;

// Adds the heads of the chart that the table lacks, so that a database made before a head
// was added gets it too.
void seedHeads(Database &db)
{
    QSet<int> present;
    for (Recordset rs = db.Execute(QStringLiteral("SELECT allid FROM mast_allgrp")); !rs.Eof(); rs.MoveNext())
        present.insert(rs.Fields(0).toInt());
    Transaction tx(db);
    for (const ChartOfAccounts::Head &h : ChartOfAccounts::heads()) {
        if (!present.contains(h.allid))
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
