#include "TdsDemo.h"

#include "TdsSource.h"
#include "store/Database.h"
#include "store/ReportKey.h"

#include <QVariantList>

namespace TdsDemo
{

namespace
{

struct Table {
    QString name;
    QStringList columns;
    QStringList amountColumns;
};

void make(Database &db, const Table &table, const QList<QVariantList> &rows)
{
    db.Execute(QStringLiteral("DROP TABLE IF EXISTS %1").arg(table.name));
    QStringList defs;
    for (const QString &column : table.columns)
        defs << column + u' ' +
                    (table.amountColumns.contains(column) ? db.dialect().amountType()
                                                          : db.dialect().keyType(80));
    for (const QString &statement : db.dialect().createTable(table.name, defs, {}))
        db.Execute(statement);
    QStringList marks;
    for (qsizetype i = 0; i < table.columns.size(); ++i)
        marks << QStringLiteral("?");
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(table.name, table.columns.join(u','), marks.join(u','));
    for (const QVariantList &row : rows)
        db.Execute(insert, row);
}

} // namespace

void create(Database &db, const QString &yearKey)
{
    const int last = yearKey.toInt();
    const QString assessmentYear = ReportKey::twoYears(last);
    // A date of the financial year: April to December fall in its first calendar year.
    const auto day = [last](int d, int m, int laterYears = 0) {
        return QStringLiteral("%1/%2/%3")
            .arg(d, 2, 10, QLatin1Char('0'))
            .arg(m, 2, 10, QLatin1Char('0'))
            .arg((m >= 4 ? last - 1 : last) + laterYears);
    };
    const QString periodPrefix = QStringLiteral("A%1Q").arg(last % 10000);
    const auto period = [&](int quarter) { return periodPrefix + QString::number(quarter); };

    make(db,
         {QStringLiteral("Main_Info"),
          {"Code_No", "Name", "PanNo", "TanNo", "Status1", "Flat", "Building", "street", "area", "City",
           "State"},
          {}},
         {{kClientCode, "Sharma Textiles Private Limited", "AABCS1234K", "MUMS12345A", "Company", "Unit 4",
           "Kamala Mills", "Senapati Bapat Marg", "Lower Parel", "Mumbai", "MAHARASHTRA"},
          {kOtherClientCode, "Mehta Traders", "AAAPM1234C", "AHMM54321B", "Individual", "12", "Ganesh Bhavan",
           "Ashram Road", "Navrangpura", "Ahmedabad", "GUJARAT"}});
    // The office each client's TAN is registered for; the answers of the year; interest counted
    // by calendar months for every client.
    make(db, {QStringLiteral("Main_Info1"), {"Code_No", "State"}, {}},
         {{kClientCode, "MAHARASHTRA"}, {kOtherClientCode, "GUJARAT"}});
    make(db, {QStringLiteral("GenInfo_MiscInf"), {"Code_No", "ass_year", "Opt44AA"}, {}},
         {{kClientCode, assessmentYear, "Y"}, {kOtherClientCode, assessmentYear, "N"}});
    make(db, {QStringLiteral("IntCalcSetup"), {"Code_No", "Opts"}, {}}, {{"##ALL##CLIENTS##", "1"}});
    // Quarterly statements are due at the end (TCS: the middle) of the month after the quarter,
    // the last quarter's in May; the second quarter's TDS date was extended.
    QList<QVariantList> dueDates;
    const int dueMonths[] = {7, 10, 1, 5};
    for (int q = 1; q <= 4; ++q) {
        const int month = dueMonths[q - 1];
        dueDates << QVariantList{assessmentYear, q, "TDS", day(31, month, q == 4),
                                 q == 2 ? day(15, 11) : QString()};
        dueDates << QVariantList{assessmentYear, q, "TCS", day(15, month, q == 4), QString()};
    }
    dueDates << QVariantList{assessmentYear, 0, "ITR", day(31, 10, 1), QString()};
    for (QVariantList &row : dueDates)
        row << QString() << QString() << QString();
    // The third quarter's TDS statements of deductors in two states hit by floods were due later.
    dueDates << QVariantList{assessmentYear, 3, "TDS", day(31, 1), day(28, 2), "TAMILNADU", "", ""};
    dueDates << QVariantList{assessmentYear, 3, "TDS", day(31, 1), day(15, 2), "ORISSA", "", ""};
    // Deposits of tax falling due in a period: from 14 May to 30 June everywhere (a relaxation of
    // the first quarter), from 7 December to 7 January in Tamil Nadu (the floods).
    dueDates << QVariantList{assessmentYear, 0, "CHALLAN", day(30, 6), "", "", day(14, 5), day(30, 6)};
    dueDates << QVariantList{assessmentYear, 0,          "CHALLAN", day(31, 1), "",
                             "TAMILNADU",    day(7, 12), day(7, 1)};
    make(db,
         {QStringLiteral("DueDT_Master"),
          {"AssYear", "StatC", "FormType", "DueDt", "RevDueDt", "State", "FromDt", "ToDt"},
          {}},
         dueDates);
    make(db, {QStringLiteral("Period_Master"), {"AsYear", "HalfYear", "Period_Code"}, {}},
         {{assessmentYear, 1, period(1)},
          {assessmentYear, 2, period(2)},
          {assessmentYear, 3, period(3)},
          {assessmentYear, 4, period(4)}});

    const QStringList challanColumns{"ChSrNo",  "SecCode",  "Challan_Dt", "Amount",
                                     "BkEntry", "interest", "CorMode",    "SeqNo"};
    const QStringList challanAmounts{"Amount", "interest"};
    const QStringList deducteeColumns{"SrNo",      "SubSec",    "DedSrNo",      "PANSrNo", "PayDt",
                                      "Amount",    "RateTax",   "RateSC",       "RateEC",  "RateEC1",
                                      "TotTaxDed", "AmtDep",    "DedDt",        "Reasons", "DTAA",
                                      "CashEx1Cr", "CashLs1Cr", "OptOut115BAC", "CorMode"};
    const QStringList deducteeAmounts{"Amount",  "RateTax",   "RateSC", "RateEC",
                                      "RateEC1", "TotTaxDed", "AmtDep"};
    const auto challans = [&](int quarter, const QList<QVariantList> &rows) {
        make(db,
             {TdsSource::quarterTable("CD", period(quarter), kClientCode), challanColumns, challanAmounts},
             rows);
    };
    const auto deductees = [&](int quarter, const QList<QVariantList> &rows) {
        QList<QVariantList> full;
        for (QVariantList row : rows) {
            // SrNo, SubSec, DedSrNo, PayDt, Amount, RateTax, TotTaxDed, AmtDep, DedDt, Reasons
            full << QVariantList{row[0], row[1], row[2], "1",    row[3], row[4], row[5], 0,   0,  0,
                                 row[6], row[7], row[8], row[9], "",     "",     "",     "N", "A"};
        }
        make(db,
             {TdsSource::quarterTable("DD", period(quarter), kClientCode), deducteeColumns, deducteeAmounts},
             full);
    };

    challans(1, {{"1", "194C", day(7, 5), 3000, "N", 0, "A", 1},
                 {"2", "194J", day(5, 6), 11000, "N", 0, "A", 2},
                 {"3", "194H", day(7, 5), 24691, "N", 0, "A", 3},
                 {"4", "195", day(20, 7), 6000, "N", 180, "A", 4}});
    deductees(1, {{"1", "194C", "1", day(15, 4), 150000, 2, 3000, 3000, day(15, 4), ""},
                  {"2", "194J", "2", day(10, 5), 100000, 10, 10000, 10000, day(10, 5), ""},
                  {"2", "194J", "3", day(20, 5), 50000, 10, 1000, 1000, day(20, 5), "A"},
                  {"0", "194C", "4", day(25, 5), 80000, 1, 0, 0, day(25, 5), "T"},
                  {"3", "194H", "6", day(30, 4), 1234567, 2, 24691, 24691, day(30, 4), ""},
                  {"4", "195", "5", day(10, 6), 60000, 10, 6000, 6000, day(10, 6), ""}});
    challans(2, {{"1", "194J", day(7, 9), 10000, "N", 0, "A", 1}});
    deductees(2, {{"1", "194J", "2", day(1, 8), 100000, 10, 10000, 10000, day(1, 8), ""}});
    challans(3, {});
    deductees(3, {{"0", "195", "8", day(15, 12), 80000, 10, 8000, 0, day(15, 12), ""}});
    challans(4, {});
    deductees(4, {{"0", "194-I", "7", day(15, 3), 120000, 10, 12000, 0, day(15, 3), ""}});

    make(db,
         {TdsSource::deducteeMasterTable(kClientCode),
          {"DedSrNo", "PANSrNo", "DedName", "DedPAN", "DedFlat", "DedBuilding", "DedStreet", "DedArea",
           "DedCity", "DedPin", "DedST", "DedRST", "DedIST", "ResAdd", "PinCode"},
          {}},
         {{"1", "1", "Ganesh Builders", "AAFFG1234H", "14", "Shanti Nagar", "Link Road", "Andheri", "Mumbai",
           "400053", "MAHARASHTRA", "R", "India", "", ""},
          {"2", "1", "Rao & Associates", "AAKFR5678M", "3", "Deccan Chambers", "FC Road", "Shivajinagar",
           "Pune", "411005", "MAHARASHTRA", "R", "India", "", ""},
          {"3", "1", "Kiran Consultants", "ABCPK4321D", "7", "Sai Complex", "MG Road", "", "Nashik", "422001",
           "MAHARASHTRA", "R", "India", "", ""},
          {"4", "1", "Speedway Roadlines", "AAGFS2468J", "22", "Transport Nagar", "", "", "Bhiwandi",
           "421302", "MAHARASHTRA", "R", "India", "", ""},
          {"5", "1", "Global Design GmbH", "", "8", "Leopoldstrasse", "", "", "Munich", "80802", "", "NR",
           "Germany", "", ""},
          {"6", "1", "Patel Agencies", "AAJFP1357Q", "5", "Ratan Pol", "", "", "Surat", "395003", "GUJARAT",
           "R", "India", "", ""},
          {"7", "1", "Lakshmi Narayan", "ACLPN9876E", "12", "Thyagaraya Road", "", "T. Nagar", "Chennai",
           "600017", "TAMILNADU", "R", "India", "", ""},
          {"8", "1", "Ocean Freight Pte Ltd", "INVALIDPAN", "1", "Harbour Front", "", "", "Singapore",
           "098632", "", "NR", "Singapore", "", ""}});
    make(db,
         {TdsSource::statementTable(kClientCode),
          {"FormNo", "Period_Code", "FlDt", "CorSrNo", "DataStat"},
          {}},
         {{"26Q", period(1), day(28, 7), "0", "F"},
          {"27Q", period(1), day(5, 8), "0", "F"},
          {"26Q", period(2), day(10, 11), "0", "F"},
          {"27Q", period(3), day(20, 1), "0", "F"},
          {"27Q", period(3), day(2, 2), "1", "F"},
          {"26Q", period(4), "", "0", "IP"}});
}

} // namespace TdsDemo
