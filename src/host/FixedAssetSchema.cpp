#include "FixedAssetSchema.h"

#include "store/Database.h"
#include "store/SchemaTable.h"

namespace FixedAssetSchema
{

namespace
{

using Col = SchemaTable::Column;

struct StandardGroup {
    int groupId;
    int blockId; // identifier in the clause 18 block list; 0 for none
    const char *name;
    double rate;
};

// The host's standard asset groups and the clause 18 block each belongs to.
const StandardGroup standardGroups[] = {
    {101, 8, "Buildings (residential) @ 5%", 5},
    {102, 9, "Buildings @ 10%", 10},
    {103, 47, "Temporary erections @ 40%", 40},
    {104, 10, "Buildings for water treatment @ 100%", 100},
    {201, 11, "Furniture and fittings @ 10%", 10},
    {301, 1, "Plant and machinery @ 15%", 15},
    {302, 2, "Motor cars and buses @ 30%", 30},
    {303, 3, "Computers and software @ 40%", 40},
    {304, 48, "Plant and machinery @ 45%", 45},
    {305, 4, "Plant and machinery @ 50%", 50},
    {306, 5, "Energy saving devices @ 60%", 60},
    {307, 6, "Pollution control equipment @ 80%", 80},
    {308, 7, "Plant and machinery @ 100%", 100},
    {401, 12, "Intangible assets @ 25%", 25},
    {501, 13, "Ships @ 20%", 20},
    {LandGroup, 0, "Land", 0},
};

void seedBlockGroups(Database &db)
{
    Recordset rs = db.Execute(QStringLiteral("SELECT count(*) FROM blockgroup"));
    if (rs.Fields(0).toInt() > 0)
        return;
    Transaction tx(db);
    for (const StandardGroup &g : standardGroups) {
        db.Execute(
            QStringLiteral("INSERT INTO blockgroup (IGrpId, BlockId, GrpName, ItRate) VALUES (?,?,?,?)"),
            {g.groupId, g.blockId, QString::fromUtf8(g.name), g.rate});
    }
    tx.commit();
}

} // namespace

void ensureTables(Database &db)
{
    const Col code{QStringLiteral("Code_No"), Col::Key};
    const Col year{QStringLiteral("FYr"), Col::Key};
    const Col refId{QStringLiteral("REF_ID"), Col::Int};
    SchemaTable::create(db, QStringLiteral("blockgroup"),
                        {{QStringLiteral("IGrpId"), Col::Int},
                         {QStringLiteral("BlockId"), Col::Int},
                         {QStringLiteral("GrpName"), Col::Text},
                         {QStringLiteral("ItRate"), Col::Amount}});
    seedBlockGroups(db);
    SchemaTable::create(db, QStringLiteral("mast_fix_grp"),
                        {code,
                         year,
                         refId,
                         {QStringLiteral("IGrpId"), Col::Int},
                         {QStringLiteral("GrpName"), Col::Text},
                         {QStringLiteral("Compit_Rate"), Col::Amount}},
                        {QStringLiteral("Code_No"), QStringLiteral("FYr")});
    SchemaTable::create(db, QStringLiteral("MAST_FIX_PART"),
                        {refId,
                         {QStringLiteral("SrNo"), Col::Int},
                         {QStringLiteral("Particular"), Col::Text},
                         {QStringLiteral("OpWdv"), Col::Amount},
                         {QStringLiteral("BlockNil"), Col::Int},
                         {QStringLiteral("AddDepApp"), Col::Int},
                         {QStringLiteral("AddDepRt"), Col::Amount}},
                        {QStringLiteral("REF_ID")});
    SchemaTable::create(db, QStringLiteral("fix_ad_ded"),
                        {refId,
                         {QStringLiteral("PartSr"), Col::Int},
                         {QStringLiteral("AD_DED_ID"), Col::Int},
                         {QStringLiteral("SrNo"), Col::Int},
                         {QStringLiteral("TrDate"), Col::Text},
                         {QStringLiteral("UseDate"), Col::Text},
                         {QStringLiteral("Amt"), Col::Amount},
                         {QStringLiteral("ExCr"), Col::Amount},
                         {QStringLiteral("CurDiff"), Col::Amount},
                         {QStringLiteral("GrSub"), Col::Amount},
                         {QStringLiteral("Less180"), Col::Int}},
                        {QStringLiteral("REF_ID")});

    SchemaTable::create(db, QStringLiteral("fa_asset"),
                        {code,
                         {QStringLiteral("AssetId"), Col::Int},
                         {QStringLiteral("AssetName"), Col::Text},
                         {QStringLiteral("AssetClass"), Col::Text},
                         {QStringLiteral("ItRate"), Col::Amount},
                         {QStringLiteral("PurDate"), Col::Text},
                         {QStringLiteral("UseDate"), Col::Text},
                         {QStringLiteral("Cost"), Col::Amount},
                         {QStringLiteral("ExCr"), Col::Amount},
                         {QStringLiteral("CurDiff"), Col::Amount},
                         {QStringLiteral("GrSub"), Col::Amount},
                         {QStringLiteral("AddDepRt"), Col::Amount},
                         {QStringLiteral("SaleDate"), Col::Text},
                         {QStringLiteral("SaleAmt"), Col::Amount}},
                        {QStringLiteral("Code_No")});
    SchemaTable::create(db, QStringLiteral("fa_block_open"),
                        {code,
                         year,
                         {QStringLiteral("AssetClass"), Col::Text},
                         {QStringLiteral("ItRate"), Col::Amount},
                         {QStringLiteral("OpWdv"), Col::Amount}},
                        {QStringLiteral("Code_No"), QStringLiteral("FYr")});
}

} // namespace FixedAssetSchema
