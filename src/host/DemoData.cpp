#include "DemoData.h"

#include "AuditFiling.h"
#include "AuditorRecord.h"
#include "DemoAccounts.h"
#include "DemoAddressCodes.h"
#include "DemoClauses.h"
#include "DemoEarlierData.h"
#include "DemoForm3ceb.h"
#include "DemoPartnership.h"
#include "TalvexBase.h"
#include "store/ClauseStore.h"
#include "store/ClientList.h"
#include "store/Database.h"
#include "store/ModuleState.h"
#include "store/ReportKey.h"

namespace DemoData
{

namespace
{

struct Client {
    QString code, name, pan, aadhaar, status, flat, building, street, area, city, district, postOffice, state,
        pin, typePL;
    QString firstName, middleName, lastName;
};

const QList<Client> &clients()
{
    static const QList<Client> list{
        {"C001", "Sharma Textiles Private Limited", "AABCS1234K", "", "PRIVATE LTD.", "Unit 4, 2nd Floor",
         "Kamala Mills Compound", "Senapati Bapat Marg", "Lower Parel", "Mumbai", "Mumbai", "Mumbai G.P.O.",
         "Maharashtra", "400001", "TRADING", "", "", "Sharma Textiles Private Limited"},
        {"C002", "Mehta & Sons", "AAHFM4521L", "", "PARTNERSHIP FIRM", "12", "Ganesh Bhavan", "Ashram Road",
         "Navrangpura", "Ahmedabad", "Ahmedabad", "Navrangpura", "Gujarat", "380009", "TRADING", "", "",
         "Mehta & Sons"},
        {"C003", "Ravi Kumar Iyer", "ABCPI6789F", "234567890124", "INDIVIDUAL", "Flat 7B", "Lotus Residency",
         "Anna Salai", "Teynampet", "Chennai", "Chennai", "Chennai G.P.O.", "Tamil Nadu", "600001",
         "PROFESSION", "Ravi", "Kumar", "Iyer"},
        {"C004", "Sanjay O'Brien Trading Co.", "AAECS9876Q", "", "PRIVATE LTD.", "45", "Park Street Chambers",
         "Park Street", "Park Street", "Kolkata", "Kolkata", "Kolkata G.P.O.", "West Bengal", "700001",
         "TRADING", "", "", "Sanjay O'Brien Trading Co."},
    };
    return list;
}

void insertAuditors(Database &db)
{
    Recordset rs = db.Execute(QStringLiteral("SELECT AudCode FROM auditor WHERE AudCode IN ('A01','A02')"));
    if (!rs.Eof())
        return;
    const QList<QStringList> auditors{
        {"A01",
         "I",
         "Anil Deshpande",
         "112233",
         "Deshpande & Associates",
         "104512W",
         "301, Sai Chambers",
         "Fort",
         "Mumbai",
         "India",
         "Maharashtra",
         "400001",
         "Mumbai G.P.O.",
         "Fort",
         "Mumbai",
         "AAAPD1234C",
         "anil@deshpandeassociates.in",
         "022-22661234",
         "9820012345",
         "Proprietor",
         ""},
        {"A02",
         "F",
         "Priya Raghavan",
         "204060",
         "Raghavan Iyer & Co.",
         "008765S",
         "22, Cathedral Road",
         "",
         "Chennai",
         "India",
         "Tamil Nadu",
         "600001",
         "Chennai G.P.O.",
         "Teynampet",
         "Chennai",
         "AAAFR5678D",
         "office@raghavaniyer.co.in",
         "044-28112233",
         "9840098400",
         "Partner",
         ""},
    };
    QStringList cols{QStringLiteral("AudCode"), QStringLiteral("AudType")};
    QStringList marks{QStringLiteral("?"), QStringLiteral("?")};
    for (int i = 0; i < auditors.first().size() - 2; ++i) {
        cols << QStringLiteral("F%1").arg(i);
        marks << QStringLiteral("?");
    }
    for (const QStringList &a : auditors) {
        QVariantList binds;
        for (const QString &v : a)
            binds << v;
        db.Execute(
            QStringLiteral("INSERT INTO auditor (%1) VALUES (%2)").arg(cols.join(u','), marks.join(u',')),
            binds);
    }
}

void insertClient(Database &db, const Client &c)
{
    db.Execute(
        QStringLiteral("INSERT INTO main_info1 (Code_No, Name, PAN, Aadhaar, Status, Flat, Building, Street, "
                       "Area, City, District, PostOffice, State, Pin, Country, Email, Phone, Type_PL) "
                       "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        {c.code, c.name, c.pan, c.aadhaar, c.status, c.flat, c.building, c.street, c.area, c.city, c.district,
         c.postOffice, c.state, c.pin, QStringLiteral("India"), QString(), QString(), c.typePL});
    db.Execute(
        QStringLiteral("INSERT INTO owner1 (Code_No, SrNo, F_Nm, M_Nm, L_Nm, PAN, Designation, DIN) "
                       "VALUES (?,?,?,?,?,?,?,?)"),
        {c.code, 1, c.firstName, c.middleName, c.lastName, c.pan, QStringLiteral("Director"), QString()});
    db.Execute(QStringLiteral("INSERT INTO signatory1 (Code_No, SrNo, Name, Designation, DIN, PAN) VALUES "
                              "(?,?,?,?,?,?)"),
               {c.code, 1, c.lastName, QStringLiteral("Director"), QString(), c.pan});
    for (int year : {2025, 2026}) {
        db.Execute(
            QStringLiteral("INSERT INTO master (Code_No, count, f_yr, s_yr, name, place, d_of_s, PyrInd) "
                           "VALUES (?,?,?,?,?,?,?,?)"),
            {c.code, year - 2024, QStringLiteral("0104%1").arg(year - 1), QStringLiteral("3103%1").arg(year),
             c.name, c.city, QString(), QStringLiteral("1")});
        const bool individual = c.code == QLatin1String("C003");
        AuditorRecord::assign(db, c.code, QString::number(year),
                              individual ? QStringLiteral("I") : QStringLiteral("F"),
                              individual ? QStringLiteral("A01") : QStringLiteral("A02"));
    }
}

// A Form 3CA report of the first demo client: the report page, Part A, the clauses and the
// signing page.
void insertReport(const Client &c, const QString &yearKey)
{
    using ClauseStore::insertRow;
    const int y = yearKey.toInt();
    const QString from = QStringLiteral("01/04/%1").arg(y - 1);
    const QString to = QStringLiteral("31/03/%1").arg(y);

    insertRow(1, QStringLiteral("3CA1"),
              {QStringLiteral("We"), QStringLiteral("us"), QStringLiteral("Raghavan Iyer & Co."),
               QStringLiteral("Companies Act, 2013"), QString(), QStringLiteral("We"), QStringLiteral("our"),
               QStringLiteral("12/08/%1").arg(y), QStringLiteral("Profit and Loss Account"), from, to,
               yearKey, QStringLiteral("Profit and Loss Account")});
    insertAssessee(QStringLiteral("3CA"),
                   {c.firstName, c.middleName, c.lastName, c.flat + ", " + c.building, c.street, c.pin,
                    c.postOffice, c.area, c.district, c.state, c.pan, c.aadhaar});
    insertRow(1, QStringLiteral("3CA3"),
              {QStringLiteral("our"), QStringLiteral("our"), QStringLiteral("us")});
    insertRow(1, QStringLiteral("3CAOTH"),
              {QStringLiteral("0"), QString(), QString(), c.city, QStringLiteral("25/09/%1").arg(y)});

    insertRow(2, QStringLiteral("3CD_A"), {QStringLiteral("7"), c.status, from, to, ReportKey::twoYears(y)});
    insertRow(2, QStringLiteral("Opt4"), {QStringLiteral("Yes")});
    insertGrid(
        2, QStringLiteral("4"),
        {{QStringLiteral("Goods and Services Tax"), c.state, QString(), QStringLiteral("27AABCS1234K1Z5")},
         {QStringLiteral("Goods and Services Tax"), QStringLiteral("Gujarat"), QString(),
          QStringLiteral("24AABCS1234K1Z9")}});
    insertGrid(2, QStringLiteral("8"),
               {{QStringLiteral(
                   "Clause 44AB(a)- Total sales/turnover/gross receipts of business exceeding specified "
                   "limits")}});
    insertRow(2, QStringLiteral("Opt8a"), {QStringLiteral("True")});
    insertRow(2, QStringLiteral("8a"), {QStringLiteral("115BAA")});

    insertGrid(
        3, QStringLiteral("10a"),
        {{QStringLiteral("MANUFACTURING"), QStringLiteral("Manufacture of textiles (other than by handloom)"),
          QStringLiteral("Manufacture and trading of cotton fabrics")}});
    insertRow(3, QStringLiteral("Opt10b"), {QStringLiteral("No")});
    insertGrid(3, QStringLiteral("10b"),
               {{QStringLiteral("Nil"), QStringLiteral("Nil"), QStringLiteral("Nil")}});
    insertRow(4, QStringLiteral("Opt11a"), {QStringLiteral("Yes")});
    insertGrid(4, QStringLiteral("11a"),
               {{QStringLiteral("Cash Book")},
                {QStringLiteral("Bank Book")},
                {QStringLiteral("Journal")},
                {QStringLiteral("General Ledger")},
                {QStringLiteral("Stock Register")}});
    insertGrid(5, QStringLiteral("13a"), {{QStringLiteral("MERCANTILE SYSTEM")}});
    insertRow(201, QStringLiteral("Annex18"), {QStringLiteral("0")});
    insertRow(
        301, QStringLiteral("R18"),
        {QStringLiteral("Depreciation is computed as per the Income-tax Act, 1961 on written down value.")});

    insertRow(21, QStringLiteral("AudType"), {QStringLiteral("No")});
    insertRow(21, QStringLiteral("UDIN"),
              {QString::number(y % 100).rightJustified(2, u'0') + QStringLiteral("204060ABCDE12345")});
    insertRow(21, QStringLiteral("DSIGN"), {QStringLiteral("25/09/%1").arg(y)});
}

// The partnership firm's Form 3CB-3CD, this year and the year before (for carrying over).
void insertPartnershipReports(TalvexBase &host, const Client &firm)
{
    host.selectClient(firm.code);
    for (const QString &yearKey : {QString::number(demoYearKey().toInt() - 1), demoYearKey()}) {
        host.selectYear(yearKey);
        moduleState().openForm(FormKind::F3CB, yearKey);
        Transaction report(host.DBObj());
        insertPartnershipReport({{},
                                 {},
                                 firm.name,
                                 firm.flat + QStringLiteral(", ") + firm.building,
                                 firm.street,
                                 firm.pin,
                                 firm.postOffice,
                                 firm.area,
                                 firm.district,
                                 firm.state,
                                 firm.pan,
                                 {}},
                                yearKey);
        report.commit();
    }
}

} // namespace

QString demoYearKey()
{
    return QStringLiteral("2026");
}

int create(TalvexBase &host, Report fill)
{
    Database &db = host.DBObj();
    host.prepareDatabase();
    int created = 0;
    Transaction tx(db);
    insertAuditors(db);
    for (const Client &c : clients()) {
        if (ClientList::has(db, c.code))
            continue;
        insertClient(db, c);
        ++created;
    }
    tx.commit();
    if (created == 0)
        return 0;

    // The first client's report, in this year and the year before (for carrying over).
    for (const QString &yearKey : {QString::number(demoYearKey().toInt() - 1), demoYearKey()}) {
        host.selectYear(yearKey);
        host.selectClient(clients().first().code);
        moduleState().openForm(FormKind::F3CA, yearKey);
        Transaction report(db);
        insertReport(clients().first(), yearKey);
        if (fill == Report::Filled)
            insertFilledClauses(yearKey);
        report.commit();
    }
    if (fill == Report::Filled)
        insertPartnershipReports(host, clients().at(1));
    DemoEarlierData::create(db, demoYearKey());
    // The last client reports its international transactions on Form 3CEB, this year and
    // the year before (for carrying over).
    const Client &trader = clients().last();
    host.selectClient(trader.code);
    Transaction form3ceb(db);
    for (const QString &yearKey : {QString::number(demoYearKey().toInt() - 1), demoYearKey()}) {
        host.selectYear(yearKey);
        DemoForm3ceb::insert(
            trader.name, trader.pan,
            QStringList{trader.flat, trader.building, trader.street, trader.city, trader.pin}.join(
                QStringLiteral(", ")),
            yearKey);
    }
    form3ceb.commit();
    host.selectClient(clients().first().code);
    moduleState().openForm(FormKind::F3CA, demoYearKey());
    DemoAccounts::create(host);
    // Where the demo reports stand on the portal: the first filed, the 3CEB client's
    // uploaded and waiting for the assessee's approval.
    AuditFiling::record(db, clients().first().code, demoYearKey(), AuditFiling::Filed,
                        QStringLiteral("26/09/") + demoYearKey());
    AuditFiling::record(db, trader.code, demoYearKey(), AuditFiling::PendingForApproval);
    for (const Client &c : clients()) {
        for (const QString &yearKey : {QString::number(demoYearKey().toInt() - 1), demoYearKey()})
            enterAddressCodes(db, c.code, yearKey);
    }
    return created;
}

} // namespace DemoData
