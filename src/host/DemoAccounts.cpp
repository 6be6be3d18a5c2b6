#include "DemoAccounts.h"

#include "AccountsSchema.h"
#include "FixedAssetSchema.h"
#include "HostAccounts.h"
#include "TalvexBase.h"
#include "store/ClauseTables.h"
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
    // Profit before tax 1,08,50,000; after tax 81,00,000, of which 10,00,000 go to the
    // general reserve.
    insertBalances(db, c, QStringLiteral("2025"),
                   {{1701, 380000},  {1702, 90000},   {2101, 8900000}, {2102, 1050000}, {2103, 2400000},
                    {2105, 280000},  {2201, 2300000}, {2202, 1250000}, {2204, 150000},  {2301, 2600000},
                    {2401, 1200000}, {2402, 780000},  {2403, 300000},  {2404, 450000},  {2405, 225000},
                    {2406, 415000},  {2407, 300000},  {2501, 2600000}, {2502, 150000},  {2601, 1000000}});
    insertBalances(db, c, QStringLiteral("2025"),
                   {{101, 10000000}, {201, 5000000},  {301, 8500000},   {401, 21000000}, {501, 11200000},
                    {601, 900000},   {701, 19400000}, {801, 1100000},   {802, 760000},   {803, 450000},
                    {901, 2600000},  {1001, 2500000}, {1002, 4250000},  {1003, 8900000}, {1004, 420000},
                    {1005, 330000},  {1101, 1500000}, {1201, 33900000}, {1301, 150000},  {1302, 3600000},
                    {1401, 2700000}, {1402, 800000},  {1403, 5600000},  {1404, 560000}});

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
    // Profit before tax 1,24,50,000; after tax 93,20,000.
    insertBalances(db, c, QStringLiteral("2026"),
                   {{1701, 420000},  {1702, 110000},  {2101, 9800000}, {2102, 1150000}, {2103, 2400000},
                    {2105, 310000},  {2201, 2150000}, {2202, 1380000}, {2204, 170000},  {2301, 2900000},
                    {2401, 1200000}, {2402, 1450000}, {2403, 480000},  {2404, 620000},  {2405, 250000},
                    {2406, 740000},  {2407, 360000},  {2408, 300000},  {2501, 2950000}, {2502, 180000},
                    {2601, 1000000}});
    insertBalances(db, c, QStringLiteral("2026"),
                   {{101, 10000000}, {201, 6000000},  {301, 15600000},  {401, 18500000}, {501, 12400000},
                    {601, 1080000},  {701, 21650000}, {801, 1240000},   {802, 890000},   {803, 600000},
                    {901, 2950000},  {1001, 3300000}, {1002, 4900000},  {1003, 9850000}, {1004, 560000},
                    {1005, 390000},  {1101, 1500000}, {1201, 38600000}, {1301, 180000},  {1302, 4020000},
                    {1401, 3100000}, {1402, 850000},  {1403, 6980000},  {1404, 650000}});
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
    // The partners take the whole profit after tax into their capital accounts.
    insertBalances(db, c, QStringLiteral("2025"),
                   {{1701, 50000},   {2101, 1100000}, {2104, 1000000}, {2203, 280000},  {2202, 170000},
                    {2204, 18000},   {2301, 370000},  {2401, 240000},  {2404, 92000},   {2405, 55000},
                    {2409, 25000},   {2501, 516000},  {2602, 1204000}, {102, 7400000},  {501, 2100000},
                    {701, 3950000},  {801, 120000},   {802, 84000},    {901, 516000},   {1001, 1200000},
                    {1002, 1850000}, {1003, 850000},  {1004, 245000},  {1201, 3480000}, {1301, 40000},
                    {1302, 645000},  {1401, 460000}});
    insertBalances(db, c, QStringLiteral("2026"),
                   {{1501, 5400000},
                    {1601, 6100000},
                    {1801, 42500000},
                    {1803, 350000},
                    {1901, 36800000},
                    {1903, 150000},
                    {2001, 620000}});
    insertBalances(db, c, QStringLiteral("2026"),
                   {{1701, 60000},   {2101, 1200000}, {2104, 1050000}, {2203, 300000},  {2202, 180000},
                    {2204, 20000},   {2301, 390000},  {2401, 240000},  {2404, 110000},  {2405, 60000},
                    {2409, 140000},  {2501, 585000},  {2602, 1365000}, {102, 8200000},  {501, 1900000},
                    {701, 4300000},  {801, 140000},   {802, 95000},    {901, 585000},   {1001, 1200000},
                    {1002, 1665000}, {1003, 1010000}, {1004, 225000},  {1201, 3900000}, {1301, 45000},
                    {1302, 555000},  {1401, 520000}});

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
    insertBalances(db, c, QStringLiteral("2026"),
                   {{1701, 25000},  {2101, 1450000}, {2102, 120000}, {2201, 210000}, {2204, 17500},
                    {2301, 180000}, {2401, 600000},  {2404, 150000}, {2405, 75000},  {2409, 135000},
                    {2501, 213000}, {101, 1000000},  {301, 1150000}, {402, 1500000}, {701, 2950000},
                    {801, 85000},   {802, 60000},    {901, 213000},  {1004, 300000}, {1005, 120000},
                    {1006, 580000}, {1201, 2150000}, {1301, 35000},  {1302, 590000}, {1401, 190000}});
    db.Execute(QStringLiteral("UPDATE master SET PyrInd=? WHERE Code_No=? AND s_yr=?"),
               {QStringLiteral("0"), c, QStringLiteral("31032025")});

    const QString table = ClauseTables::clauseTableName(QStringLiteral("2025"));
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
    Recordset rs = db.Execute(QStringLiteral("SELECT Code_No FROM %1 WHERE Code_No=?")
                                  .arg(HostAccounts::gettbname(QStringLiteral("2026"))),
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
