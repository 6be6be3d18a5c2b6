#include "DemoAccounts.h"

#include "AccountsSchema.h"
#include "FixedAssetSchema.h"
#include "HostAccounts.h"
#include "HostSchema.h"
#include "TalvexBase.h"
#include "store/Database.h"

namespace DemoAccounts
{

namespace
{

struct Balance {
    int allid;
    double amount;
};

void insertBalances(Database &db, const QString &client, const QString &yearKey,
                    const QList<Balance> &balances)
{
    const QString table = HostAccounts::gettbname(yearKey);
    for (const Balance &b : balances)
        db.Execute(QStringLiteral("INSERT INTO %1 (Code_No, allid, amt) VALUES (?,?,?)").arg(table),
                   {client, b.allid, b.amount});
}

// The year's profit after tax is netPL - broughtForward + appropriations.
void insertProfitAndLoss(Database &db, const QString &client, const QString &yearKey, double netPL,
                         double deferredTax, double provision, double appropriations, double broughtForward)
{
    db.Execute(QStringLiteral("INSERT INTO pl_summary (Code_No, FYr, NetPL, DefTax, ProvTax, PLApp, PLBF) "
                              "VALUES (?,?,?,?,?,?,?)"),
               {client, yearKey, netPL, deferredTax, provision, appropriations, broughtForward});
}

void insertTrade(Database &db, const QString &client, const QString &yearKey, const QString &what,
                 double amount)
{
    db.Execute(QStringLiteral("INSERT INTO trade (Code_No, FYr, Particulars, amt) VALUES (?,?,?,?)"),
               {client, yearKey, what, amount});
}

void sharmaTextilesAccounts(Database &db)
{
    const QString c = QStringLiteral("C001");
    insertBalances(db, c, QStringLiteral("2025"),
                   {{1501, 12800000},
                    {1502, 7900000},
                    {1601, 14200000},
                    {1602, 8600000},
                    {1801, 168200000},
                    {1802, 2800000},
                    {1803, 1400000},
                    {1901, 57100000},
                    {1902, 64900000},
                    {1903, 700000},
                    {2001, 2200000},
                    {2002, 8800000},
                    {2003, 5900000},
                    {2004, 1500000}});
    insertTrade(db, c, QStringLiteral("2025"), QStringLiteral("Job work income"), 980000);
    insertProfitAndLoss(db, c, QStringLiteral("2025"), 15600000, 150000, 2600000, 1000000, 8500000);

    insertBalances(db, c, QStringLiteral("2026"),
                   {{1501, 14200000},
                    {1502, 8600000},
                    {1601, 16900000},
                    {1602, 7450000},
                    {1801, 186450000},
                    {1802, 3200000},
                    {1803, 1650000},
                    {1901, 62500000},
                    {1902, 71800000},
                    {1903, 900000},
                    {2001, 2450000},
                    {2002, 9600000},
                    {2003, 6350000},
                    {2004, 1800000}});
    insertTrade(db, c, QStringLiteral("2026"), QStringLiteral("Job work income"), 1250000);
    insertTrade(db, c, QStringLiteral("2026"), QStringLiteral("Duty drawback"), 380000);
    insertProfitAndLoss(db, c, QStringLiteral("2026"), 23920000, 180000, 2950000, 1000000, 15600000);
}

void mehtaAndSonsAccounts(Database &db)
{
    const QString c = QStringLiteral("C002");
    insertBalances(db, c, QStringLiteral("2025"),
                   {{1501, 4900000},
                    {1601, 5400000},
                    {1801, 39800000},
                    {1803, 300000},
                    {1901, 34500000},
                    {1903, 100000},
                    {2001, 580000}});
    insertProfitAndLoss(db, c, QStringLiteral("2025"), 0, 0, 516000, 1204000, 0);
    insertBalances(db, c, QStringLiteral("2026"),
                   {{1501, 5400000},
                    {1601, 6100000},
                    {1801, 42500000},
                    {1803, 350000},
                    {1901, 36800000},
                    {1903, 150000},
                    {2001, 620000}});
    insertProfitAndLoss(db, c, QStringLiteral("2026"), 0, 0, 585000, 1365000, 0);

    // Partners' remuneration and interest on capital beyond the limits of section 40(b).
    db.Execute(
        QStringLiteral("INSERT INTO income_business (Code_No, ass_year, business_no, BusName, DisAllRem, "
                       "AllRem, DisAllInt, AllInt) VALUES (?,?,?,?,?,?,?,?)"),
        {c, 2026, 1, QStringLiteral("Wholesale trade in cotton yarn"), 150000, 900000, 60000, 240000});
}

// Last year's report of C004 was prepared without its accounts in the program: its
// ratios come from the report.
void obrienTradingAccounts(Database &db)
{
    const QString c = QStringLiteral("C004");
    insertBalances(db, c, QStringLiteral("2026"),
                   {{1501, 3217500},
                    {1601, 3600000},
                    {1801, 24800000},
                    {1803, 200000},
                    {1901, 20900000},
                    {2001, 350000}});
    insertProfitAndLoss(db, c, QStringLiteral("2026"), 1757000, 0, 213000, 0, 1150000);
    db.Execute(QStringLiteral("UPDATE master SET PyrInd=? WHERE Code_No=? AND s_yr=?"),
               {QStringLiteral("0"), c, QStringLiteral("31032025")});

    const QString table = HostSchema::clauseTableName(QStringLiteral("2025"));
    const QList<QStringList> rows{
        {QStringLiteral("40a"), QStringLiteral("21450000"), QStringLiteral("19800000")},
        {QStringLiteral("40b"), QStringLiteral("2145000"), QStringLiteral("21450000"),
         QStringLiteral("10.00"), QStringLiteral("1900800"), QStringLiteral("19800000"),
         QStringLiteral("9.60")},
        {QStringLiteral("40c"), QStringLiteral("643500"), QStringLiteral("21450000"), QStringLiteral("3.00"),
         QStringLiteral("554400"), QStringLiteral("19800000"), QStringLiteral("2.80")},
        {QStringLiteral("40d"), QStringLiteral("3217500"), QStringLiteral("21450000"),
         QStringLiteral("15.00"), QStringLiteral("2970000"), QStringLiteral("19800000"),
         QStringLiteral("15.00")},
        {QStringLiteral("40e"), QStringLiteral("NA"), QStringLiteral("NA"), QStringLiteral("NA"),
         QStringLiteral("NA"), QStringLiteral("NA"), QStringLiteral("NA")},
    };
    for (const QStringList &r : rows) {
        db.Execute(
            QStringLiteral("INSERT INTO %1 (Code_No, FYr, FormName, PageNo, PointNo, Col1, Col2, Col3, Col4, "
                           "Col5, Col6) VALUES (?,?,?,?,?,?,?,?,?,?,?)")
                .arg(table),
            {c, QStringLiteral("2025"), QStringLiteral("3CD"), 20, r.value(0), r.value(1), r.value(2),
             r.value(3), r.value(4), r.value(5), r.value(6)});
    }
}

struct Movement {
    int adDedId; // 1 addition, 2 deduction
    QString date, useDate;
    double amount, cenvat, exchange, subsidy;
    bool outOfLess180;
};

struct Part {
    QString name;
    double opening;
    bool blockNil;
    double additionalRate;
    QList<Movement> movements;
};

void insertGroup(Database &db, const QString &client, int refId, int groupId, const QString &name,
                 double rate, const QList<Part> &parts)
{
    db.Execute(QStringLiteral("INSERT INTO mast_fix_grp (Code_No, FYr, REF_ID, IGrpId, GrpName, Compit_Rate) "
                              "VALUES (?,?,?,?,?,?)"),
               {client, QStringLiteral("2026"), refId, groupId, name, rate});
    for (int p = 0; p < parts.size(); ++p) {
        const Part &part = parts.at(p);
        db.Execute(
            QStringLiteral("INSERT INTO MAST_FIX_PART (REF_ID, SrNo, Particular, OpWdv, BlockNil, AddDepApp, "
                           "AddDepRt) VALUES (?,?,?,?,?,?,?)"),
            {refId, p + 1, part.name, part.opening, part.blockNil ? 1 : 0, part.additionalRate > 0 ? 1 : 0,
             part.additionalRate});
        for (int m = 0; m < part.movements.size(); ++m) {
            const Movement &mv = part.movements.at(m);
            db.Execute(
                QStringLiteral("INSERT INTO fix_ad_ded (REF_ID, PartSr, AD_DED_ID, SrNo, TrDate, UseDate, "
                               "Amt, ExCr, CurDiff, GrSub, Less180) VALUES (?,?,?,?,?,?,?,?,?,?,?)"),
                {refId, p + 1, mv.adDedId, m + 1, mv.date, mv.useDate, mv.amount, mv.cenvat, mv.exchange,
                 mv.subsidy, mv.outOfLess180 ? 1 : 0});
        }
    }
}

// Mehta & Sons keep the block-wise chart (2025-26): a car block that ceased to exist,
// a computer block entered asset by asset with a sale, and land.
void mehtaAndSonsBlockChart(TalvexBase &host)
{
    Database &db = host.DBObj();
    const QString c = QStringLiteral("C002");
    insertGroup(db, c, 1, 102, QStringLiteral("Buildings @ 10%"), 10,
                {{QStringLiteral("Office premises, Ashram Road"), 1850000, false, 0, {}}});
    insertGroup(db, c, 2, 201, QStringLiteral("Furniture and fittings @ 10%"), 10,
                {{QStringLiteral("Furniture and fittings"),
                  245000,
                  false,
                  0,
                  {{1, "12/06/2025", "15/06/2025", 85000, 0, 0, 0, false},
                   {1, "20/11/2025", "01/12/2025", 40000, 0, 0, 0, false}}}});
    insertGroup(db, c, 3, 301, QStringLiteral("Plant and machinery @ 15%"), 15,
                {{QStringLiteral("Yarn testing and packing machines"),
                  960000,
                  false,
                  20,
                  {{1, "05/05/2025", "10/05/2025", 450000, 0, 0, -25000, false},
                   {1, "10/01/2026", "18/01/2026", 300000, 0, 12000, 0, false},
                   {2, "15/01/2026", "", 60000, 0, 0, 0, false}}}});
    insertGroup(
        db, c, 4, 303, QStringLiteral("Computers @ 40%"), 40,
        {{QStringLiteral("Desktop computers"), 48000, false, 0, {}},
         {QStringLiteral("Laptops"), 36000, false, 0, {{2, "30/09/2025", "", 15000, 0, 0, 0, false}}}});
    insertGroup(
        db, c, 5, 302, QStringLiteral("Motor cars @ 30%"), 30,
        {{QStringLiteral("Motor car"), 320000, true, 0, {{2, "10/08/2025", "", 450000, 0, 0, 0, false}}}});
    insertGroup(db, c, 6, FixedAssetSchema::LandGroup, QStringLiteral("Land"), 0,
                {{QStringLiteral("Land at Sanand"), 1200000, false, 0, {}}});

    db.Execute(QStringLiteral("INSERT INTO misc_oth_inf (Code_No, InfKey, InfVal) VALUES (?,?,?)"),
               {c, QStringLiteral("SEPDEP"), QStringLiteral("1")});
    host.SaveSettingINI(QStringLiteral("Depreciation"), QStringLiteral("OldChart_") + c, QStringLiteral("1"));
}

struct Asset {
    QString name, assetClass;
    double rate;
    QString purchased, used;
    double cost, exchange, subsidy, additionalRate;
    QString sold;
    double saleAmount;
};

// Sharma Textiles keep the asset-wise chart (2025-26).
void sharmaTextilesAssetChart(Database &db)
{
    const QString c = QStringLiteral("C001");
    const QList<QPair<QString, QPair<double, double>>> opening{
        {QStringLiteral("BUILDING"), {10, 4250000}},
        {QStringLiteral("MACHINERY AND PLANT"), {15, 2860000}},
        {QStringLiteral("MACHINERY AND PLANT"), {40, 120000}},
        {QStringLiteral("FURNITURE AND FITTINGS"), {10, 380000}},
        {QStringLiteral("INTANGIBLE ASSETS"), {25, 90000}},
    };
    for (const auto &[assetClass, rateAndValue] : opening) {
        db.Execute(
            QStringLiteral(
                "INSERT INTO fa_block_open (Code_No, FYr, AssetClass, ItRate, OpWdv) VALUES (?,?,?,?,?)"),
            {c, QStringLiteral("2026"), assetClass, rateAndValue.first, rateAndValue.second});
    }
    const QList<Asset> assets{
        {"Factory land, Bhiwandi", "LAND", 0, "15/04/2018", "15/04/2018", 2500000, 0, 0, 0, "", 0},
        {"Air-jet looms", "MACHINERY AND PLANT", 15, "22/04/2025", "01/05/2025", 1850000, 0, 0, 20, "", 0},
        {"Imported dyeing machine", "MACHINERY AND PLANT", 15, "12/11/2025", "01/12/2025", 1240000, 36000, 0,
         20, "", 0},
        {"Old sizing machine", "MACHINERY AND PLANT", 15, "10/06/2016", "12/06/2016", 640000, 0, 0, 0,
         "18/09/2025", 175000},
        {"Office workstations", "FURNITURE AND FITTINGS", 10, "02/07/2025", "05/07/2025", 210000, 0, 0, 0, "",
         0},
        {"ERP software licence", "INTANGIBLE ASSETS", 25, "01/02/2026", "15/02/2026", 150000, 0, 0, 0, "", 0},
        {"Laptops", "MACHINERY AND PLANT", 40, "20/08/2025", "20/08/2025", 95000, 0, 0, 0, "", 0},
        {"Godown extension", "BUILDING", 10, "01/10/2025", "03/10/2025", 900000, 0, -100000, 0, "", 0},
        {"Weaving shed land", "LAND", 0, "10/03/2026", "10/03/2026", 800000, 0, 0, 0, "", 0},
        {"Delivery van", "MACHINERY AND PLANT", 30, "10/11/2025", "10/11/2025", 600000, 0, 0, 0, "20/02/2026",
         520000},
    };
    for (int i = 0; i < assets.size(); ++i) {
        const Asset &a = assets.at(i);
        db.Execute(
            QStringLiteral("INSERT INTO fa_asset (Code_No, AssetId, AssetName, AssetClass, ItRate, PurDate, "
                           "UseDate, Cost, ExCr, CurDiff, GrSub, AddDepRt, SaleDate, SaleAmt) "
                           "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
            {c, i + 1, a.name, a.assetClass, a.rate, a.purchased, a.used, a.cost, 0, a.exchange, a.subsidy,
             a.additionalRate, a.sold, a.saleAmount});
    }
}

} // namespace

void create(TalvexBase &host)
{
    Database &db = host.DBObj();
    for (const QString &yearKey : {QStringLiteral("2025"), QStringLiteral("2026")})
        host.selectYear(yearKey);
    Recordset rs = db.Execute(QStringLiteral("SELECT Code_No FROM pl_summary WHERE Code_No=?"),
                              {QStringLiteral("C001")});
    if (!rs.Eof())
        return;
    Transaction tx(db);
    sharmaTextilesAccounts(db);
    mehtaAndSonsAccounts(db);
    obrienTradingAccounts(db);
    mehtaAndSonsBlockChart(host);
    sharmaTextilesAssetChart(db);
    tx.commit();
}

} // namespace DemoAccounts
