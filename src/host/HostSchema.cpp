#include "HostSchema.h"

#include "AccountsSchema.h"
#include "AuditFiling.h"
#include "FixedAssetSchema.h"
#include "LookupLoader.h"
#include "store/ClauseTables.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ReportChange.h"
#include "store/SchemaTable.h"

#include <QDir>
#include <QFile>
#include <QThread>

namespace HostSchema
{

using ClauseTables::clauseTableName;
using ClauseTables::valueColumnCount;

namespace
{

using SchemaTable::Column;
using SchemaTable::textColumns;

void createClauseTable(Database &db, QSet<QString> &existing, const QString &table, int valueColumns)
{
    SchemaTable::create(db, existing, table, SchemaTable::clauseColumns(valueColumns),
                        {QStringLiteral("Code_No"), QStringLiteral("FYr"), QStringLiteral("PageNo"),
                         QStringLiteral("PointNo")});
}

} // namespace

const QStringList &lookupTables()
{
    static const QStringList tables{QStringLiteral("annex_state"),    QStringLiteral("po_state"),
                                    QStringLiteral("po_pincode"),     QStringLiteral("po_postof"),
                                    QStringLiteral("po_locality"),    QStringLiteral("po_district"),
                                    QStringLiteral("annex_sector"),   QStringLiteral("annex_3cd21combo"),
                                    QStringLiteral("annex_3cdCombo"), QStringLiteral("annex_3ceb92a2"),
                                    QStringLiteral("PO_Currency"),    QStringLiteral("country_code")};
    return tables;
}

void ensureHostTables(Database &db, const QString &lookupFolder)
{
    QSet<QString> existing = db.tableNames();
    const Column code{QStringLiteral("Code_No"), Column::Key, 20};
    SchemaTable::create(
        db, existing, QStringLiteral("main_info1"),
        QList<Column>{code} +
            textColumns({QStringLiteral("Name"), QStringLiteral("PAN"), QStringLiteral("Aadhaar"),
                         QStringLiteral("Status"), QStringLiteral("Flat"), QStringLiteral("Building"),
                         QStringLiteral("Street"), QStringLiteral("Area"), QStringLiteral("City"),
                         QStringLiteral("District"), QStringLiteral("PostOffice"), QStringLiteral("State"),
                         QStringLiteral("Pin"), QStringLiteral("Country"), QStringLiteral("Email"),
                         QStringLiteral("Phone"), QStringLiteral("Type_PL")}),
        {QStringLiteral("Code_No")});
    // Per-year master: the year's dates, place and date of signing, and whether accounts exist.
    SchemaTable::create(
        db, existing, QStringLiteral("master"),
        QList<Column>{code, {QStringLiteral("count"), Column::Int}} +
            textColumns({QStringLiteral("f_yr"), QStringLiteral("s_yr"), QStringLiteral("name"),
                         QStringLiteral("place"), QStringLiteral("d_of_s"), QStringLiteral("PyrInd")}),
        {QStringLiteral("Code_No")});
    SchemaTable::create(
        db, existing, QStringLiteral("owner1"),
        QList<Column>{code, {QStringLiteral("SrNo"), Column::Int}} +
            textColumns({QStringLiteral("F_Nm"), QStringLiteral("M_Nm"), QStringLiteral("L_Nm"),
                         QStringLiteral("PAN"), QStringLiteral("Designation"), QStringLiteral("DIN")}),
        {QStringLiteral("Code_No")});
    SchemaTable::create(db, existing, QStringLiteral("signatory1"),
                        QList<Column>{code, {QStringLiteral("SrNo"), Column::Int}} +
                            textColumns({QStringLiteral("Name"), QStringLiteral("Designation"),
                                         QStringLiteral("DIN"), QStringLiteral("PAN")}),
                        {QStringLiteral("Code_No")});

    QList<Column> auditor{{QStringLiteral("AudCode"), Column::Key, 20},
                          {QStringLiteral("AudType"), Column::Key, 2}};
    for (int i = 0; i < 39; ++i)
        auditor << Column{QStringLiteral("F%1").arg(i), Column::Text};
    SchemaTable::create(db, existing, QStringLiteral("auditor"), auditor, {QStringLiteral("AudCode")});
    SchemaTable::create(db, existing, QStringLiteral("client_auditor"),
                        {code,
                         {QStringLiteral("FYr"), Column::Key, 8},
                         {QStringLiteral("AudType"), Column::Key, 2},
                         {QStringLiteral("AudCode"), Column::Key, 20}},
                        {QStringLiteral("Code_No"), QStringLiteral("FYr")});

    createClauseTable(db, existing, ClauseTables::kForm3cebTable, ClauseTables::kForm3cebColumns);
    createClauseTable(db, existing, ClauseTables::kOlderForm3cebTable,
                      valueColumnCount(ClauseTables::kOlderForm3cebTable));

    for (const QString &table : lookupTables()) {
        const QString file = QDir(lookupFolder).filePath(table + QStringLiteral(".csv"));
        if (!QFile::exists(file))
            continue;
        if (existing.contains(table.toLower()))
            continue;
        LookupLoader::load(db, table, file);
    }
    AccountsSchema::ensureTables(db);
    FixedAssetSchema::ensureTables(db);
    AuditFiling::ensureTable(db);
    ReportSnapshots::ensureTables(db);
}

namespace
{

void createYearTables(Database &db, const QString &yearKey)
{
    QSet<QString> existing = db.tableNames();
    createClauseTable(db, existing, clauseTableName(yearKey), ClauseTables::kForm3cdColumns);
    AccountsSchema::ensureYearTables(db, yearKey);
    for (const QString &older :
         {ClauseTables::olderClauseTableName(yearKey), ClauseTables::oldestClauseTableName(yearKey)})
        createClauseTable(db, existing, older, valueColumnCount(older));
    SchemaTable::create(
        db, existing, ClauseTables::kWizardTable,
        QList<Column>{{QStringLiteral("Code_No"), Column::Key, 20}, {QStringLiteral("FYr"), Column::Key, 8}} +
            textColumns({QStringLiteral("PointSr"), QStringLiteral("PointVal")}),
        {QStringLiteral("Code_No"), QStringLiteral("FYr")});
    SchemaTable::create(
        db, existing, QStringLiteral("anex3cd_books"),
        QList<Column>{{QStringLiteral("Code_No"), Column::Key, 20}, {QStringLiteral("FYr"), Column::Key, 8}} +
            textColumns({QStringLiteral("BookNm"), QStringLiteral("Prescribed"), QStringLiteral("Maintained"),
                         QStringLiteral("Examined")}),
        {QStringLiteral("Code_No"), QStringLiteral("FYr")});
}

} // namespace

void ensureYearTables(Database &db, const QString &yearKey)
{
    // A step of its own, before any transaction: on a server, making a table ends the open
    // transaction. Workstations that open a new year at the same moment may deadlock on
    // the server's locks; the one the server stops tries again.
    for (int attempt = 1;; ++attempt) {
        try {
            createYearTables(db, yearKey);
            return;
        } catch (const DbError &e) {
            const bool retry = e.kind() == DbError::Kind::Deadlock || e.kind() == DbError::Kind::LockWait;
            if (!retry || attempt == 5 || db.transactionDepth() > 0)
                throw;
            QThread::msleep(50 * attempt);
        }
    }
}

bool yearTablesExist(Database &db, const QString &yearKey)
{
    return db.tableExists(clauseTableName(yearKey));
}

} // namespace HostSchema
