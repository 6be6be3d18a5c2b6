#include "DemoPartnership.h"

#include "DemoClauses.h"
#include "store/ClauseStore.h"
#include "store/ReportKey.h"

namespace DemoData
{

namespace
{

using ClauseStore::insertRow;

const QString kTan = QStringLiteral("AHMM04512B");

// The report page of Form 3CB: the auditor's paragraphs, the assessee, the place and date
// of signing and one observation.
void insertReportPage(const Assessee &firm, const QString &yearKey)
{
    const int y = yearKey.toInt();
    const QString from = QStringLiteral("01/04/%1").arg(y - 1);
    const QString to = QStringLiteral("31/03/%1").arg(y);
    insertRow(101, QStringLiteral("3CBPT1"),
              {QStringLiteral("We"), to, QStringLiteral("Profit and Loss Account"), from, to});
    insertAssessee(QStringLiteral("3CB"), firm);
    insertRow(101, QStringLiteral("3CBPT2"),
              {QStringLiteral("We"), QStringLiteral("Profit and Loss Account"), firm.district,
               QStringLiteral("1")});
    insertRow(101, QStringLiteral("3CBPT3"),
              {QStringLiteral("We"), QString(), QStringLiteral("We"), QStringLiteral("our"),
               QStringLiteral("our"), QStringLiteral("our"), QStringLiteral("our"), QStringLiteral("our"),
               QStringLiteral("us"), QStringLiteral("Balance Sheet"),
               QStringLiteral("Profit and Loss Account"), QStringLiteral("profit")});
    insertRow(101, QStringLiteral("3CBPT5"),
              {QStringLiteral("our"), QStringLiteral("our"), QStringLiteral("us")});
    insertRow(101, QStringLiteral("3CBOTH"),
              {QStringLiteral("0"), QString(), QString(), firm.district, QStringLiteral("20/09/%1").arg(y)});
    insertGrid(101, QStringLiteral("Qual"),
               {{QStringLiteral("Others"),
                 QStringLiteral("The firm has not maintained a register of the partners' drawings; "
                                "the drawings were verified from the partners' current accounts.")}});
}

// Part A: a firm, books of a trader, audited for its turnover.
void insertPartA(const Assessee &firm, const QString &yearKey)
{
    const int y = yearKey.toInt();
    insertRow(2, QStringLiteral("3CD_A"),
              {QStringLiteral("3"), QStringLiteral("Firm"), QStringLiteral("01/04/%1").arg(y - 1),
               QStringLiteral("31/03/%1").arg(y), ReportKey::twoYears(y)});
    answer(2, QStringLiteral("Opt4"), QStringLiteral("Yes"));
    insertGrid(2, QStringLiteral("4"),
               {{QStringLiteral("Goods and Services Tax"), firm.state, QString(),
                 QStringLiteral("24") + firm.pan + QStringLiteral("1Z3")}});
    insertGrid(2, QStringLiteral("8"),
               {{QStringLiteral("Clause 44AB(a)- Total sales/turnover/gross receipts of business exceeding "
                                "specified limits")}});
    answer(2, QStringLiteral("Opt8a"), QStringLiteral("False"));
}

} // namespace

void insertPartnershipReport(const Assessee &firm, const QString &yearKey)
{
    const int y = yearKey.toInt();
    const int first = y - 1;
    auto date = [](const QString &dayMonth, int year) { return dayMonth + u'/' + QString::number(year); };
    insertReportPage(firm, yearKey);
    insertPartA(firm, yearKey);
    insertUsualAnswers(yearKey);

    // Clauses 9 and 10: three partners, no change among them; a wholesale trade in cloth.
    insertGrid(3, QStringLiteral("9a"),
               {{QStringLiteral("Rajesh Mehta"), QStringLiteral("40.00")},
                {QStringLiteral("Suresh Mehta"), QStringLiteral("35.00")},
                {QStringLiteral("Anjali Mehta"), QStringLiteral("25.00")}});
    answer(3, QStringLiteral("Opt9a"), QStringLiteral("NA"));
    answeredNo(3, QStringLiteral("Opt9b"), QStringLiteral("9b"), 6);
    insertGrid(3, QStringLiteral("10a"),
               {{QStringLiteral("WHOLESALE AND RETAIL TRADE"), QStringLiteral("Wholesale of household goods"),
                 QStringLiteral("Wholesale trade in cotton and silk sarees")}});
    answeredNo(3, QStringLiteral("Opt10b"), QStringLiteral("10b"), 4);

    // Clauses 11 and 12: books kept at the shop, no presumptive income.
    answer(4, QStringLiteral("Opt11a"), QStringLiteral("Yes"));
    insertGrid(4, QStringLiteral("11a"),
               {{QStringLiteral("Cash Book")},
                {QStringLiteral("Bank Book")},
                {QStringLiteral("Sales Register")},
                {QStringLiteral("Purchase Register")},
                {QStringLiteral("General Ledger")}});
    insertGrid(4, QStringLiteral("11b"),
               {{QStringLiteral("Cash Book"), QStringLiteral("INDIA"), firm.addressLine1, firm.addressLine2,
                 firm.pin, firm.postOffice, firm.area, firm.district, firm.state}});
    notApplicable(4, {QStringLiteral("NA11c")});
    answeredNo(4, QStringLiteral("Opt12"), QStringLiteral("12"), 3);

    // Clauses 13 and 14: the mercantile system, stock at the lower of cost and market price.
    insertGrid(5, QStringLiteral("13a"), {{QStringLiteral("MERCANTILE SYSTEM")}});
    answer(5, QStringLiteral("Opt13b"), QStringLiteral("False"));
    notApplicable(5, {QStringLiteral("NA13c"), QStringLiteral("NA13f")});
    answeredNo(5, QStringLiteral("Opt13dn"), QStringLiteral("13e"), 4);
    insertRow(5, QStringLiteral("14a"), {QStringLiteral("At cost or market price, whichever is lower")});
    answeredNo(5, QStringLiteral("Opt14b"), QStringLiteral("14b"), 3);

    // Clause 18: furniture and a van for deliveries.
    insertGrid(
        7, QStringLiteral("18"),
        {depreciationBlock(
             {{"description", QStringLiteral("(18r) Furnitures & Fittings @ 10%- Sec 32(1)(ii)")},
              {"rate", QStringLiteral("10%")},
              {"openingWdv", QStringLiteral("240000.00")},
              {"adjustedWdv", QStringLiteral("240000.00")},
              {"depreciationAllowable", QStringLiteral("24000.00")},
              {"closingWdv", QStringLiteral("216000.00")}}),
         depreciationBlock(
             {{"description", QStringLiteral("(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)")},
              {"rate", QStringLiteral("15%")},
              {"openingWdv", QStringLiteral("480000.00")},
              {"adjustedWdv", QStringLiteral("480000.00")},
              {"purchaseValue", QStringLiteral("120000.00")},
              {"totalAdditions", QStringLiteral("120000.00")},
              {"additions180OrMore", QStringLiteral("120000.00")},
              {"depreciationAllowable", QStringLiteral("90000.00")},
              {"closingWdv", QStringLiteral("510000.00")},
              {"additionsList", date(QStringLiteral("05/07"), first) + QStringLiteral("#C#") +
                                    date(QStringLiteral("10/07"), first) +
                                    QStringLiteral("#C#120000.00#C#0.00#C#0.00#C#0.00#C#120000.00")}})});
    insertRow(201, QStringLiteral("Annex18"), {QStringLiteral("0")});

    // Clause 20.
    insertGrid(8, QStringLiteral("20a"),
               {{QStringLiteral("Bonus paid to employees"), QStringLiteral("64000.00")}});
    insertGrid(
        8, QStringLiteral("20b"),
        {{QStringLiteral("Provident Fund"), QStringLiteral("38400.00"), date(QStringLiteral("15/05"), first),
          QStringLiteral("38400.00"), date(QStringLiteral("10/05"), first)},
         {QStringLiteral("Any other welfare fund"), QStringLiteral("6200.00"),
          date(QStringLiteral("15/10"), first), QStringLiteral("6200.00"),
          date(QStringLiteral("14/10"), first)}});

    // Clause 21: nothing inadmissible but a personal expense of a partner.
    insertGrid(9, QStringLiteral("21a1"),
               {{QStringLiteral("Personal travel of a partner"), QStringLiteral("18500.00")}});
    notApplicable(9, {QStringLiteral("NA21a2"), QStringLiteral("NA21a3"), QStringLiteral("NA21a4"),
                      QStringLiteral("NA21a5"), QStringLiteral("NA21a6"), QStringLiteral("NA21a7"),
                      QStringLiteral("NA21a8"), QStringLiteral("NA21a9"), QStringLiteral("NA21bia"),
                      QStringLiteral("NA21bib"), QStringLiteral("NA21biia"), QStringLiteral("NA21biib"),
                      QStringLiteral("NA21biiia"), QStringLiteral("NA21biiib"), QStringLiteral("NA21bvi"),
                      QStringLiteral("NA21c"), QStringLiteral("NA21g"), QStringLiteral("NA21h")});
    for (const QString &box :
         {QStringLiteral("21biii"), QStringLiteral("21biv"), QStringLiteral("21bv"), QStringLiteral("21bvii"),
          QStringLiteral("21bviii"), QStringLiteral("21e"), QStringLiteral("21f"), QStringLiteral("21i")})
        insertRow(9, box, {QStringLiteral("Nil")});

    // Clauses 22 to 25: rent to a partner's relative.
    insertRow(10, QStringLiteral("22"), {QStringLiteral("0.00")});
    insertRow(10, QStringLiteral("22b"), {QStringLiteral("0.00")});
    insertGrid(10, QStringLiteral("23"),
               {{QStringLiteral("Kiran Mehta"), QStringLiteral("AAFPM4521K"), QString(),
                 QStringLiteral("Relative of partner"), QStringLiteral("Rent of the godown"),
                 QStringLiteral("240000.00")}});

    // Clause 26.
    insertGrid(
        11, QStringLiteral("26iAa"),
        {{QStringLiteral(
              "(a) Any sum payable by way of tax, duty, cess or fee, by whatever name called, under any "
              "law"),
          QStringLiteral("Goods and services tax"), QStringLiteral("86000.00")}});

    // Clause 31: loans from two partners by cheque.
    insertGrid(
        14, QStringLiteral("31a"),
        {{QStringLiteral("Rajesh Mehta"), QStringLiteral("14, Shanti Kunj, Paldi, Ahmedabad 380007"),
          QStringLiteral("AAFPM1234R"), QString(), QStringLiteral("300000.00"), QStringLiteral("No"),
          QStringLiteral("300000.00"), QStringLiteral("Yes-Cheque"), QStringLiteral("Account payee cheque")},
         {QStringLiteral("Suresh Mehta"), QStringLiteral("9, Vasant Vihar, Bodakdev, Ahmedabad 380054"),
          QStringLiteral("AAFPM5678M"), QString(), QStringLiteral("150000.00"), QStringLiteral("No"),
          QStringLiteral("150000.00"), QStringLiteral("Yes-Cheque"),
          QStringLiteral("Account payee cheque")}});
    notApplicable(15, {QStringLiteral("NA31b"), QStringLiteral("NA31ba"), QStringLiteral("NA31bb"),
                       QStringLiteral("NA31bc"), QStringLiteral("NA31bd"), QStringLiteral("NA31c"),
                       QStringLiteral("NA31d"), QStringLiteral("NA31e")});

    // Clause 32: no loss brought forward.
    notApplicable(16, {QStringLiteral("NA32a")});

    // Clauses 33 and 34: no deduction; tax deducted on contracts, rent and commission.
    answeredNo(17, QStringLiteral("Opt33"), QStringLiteral("33"), 2);
    answer(17, QStringLiteral("Opt34a"), QStringLiteral("Yes"));
    insertGrid(
        17, QStringLiteral("34a"),
        {{kTan, QStringLiteral("194C"), QStringLiteral("Payment to contractors"), QStringLiteral("420000.00"),
          QStringLiteral("420000.00"), QStringLiteral("420000.00"), QStringLiteral("8400.00"),
          QStringLiteral("0.00"), QStringLiteral("0.00"), QStringLiteral("0.00")},
         {kTan, QStringLiteral("194-I"), QStringLiteral("Rent"), QStringLiteral("240000.00"),
          QStringLiteral("240000.00"), QStringLiteral("240000.00"), QStringLiteral("24000.00"),
          QStringLiteral("0.00"), QStringLiteral("0.00"), QStringLiteral("0.00")},
         {kTan, QStringLiteral("194H"), QStringLiteral("Commission or brokerage"), QStringLiteral("95000.00"),
          QStringLiteral("95000.00"), QStringLiteral("95000.00"), QStringLiteral("1900.00"),
          QStringLiteral("0.00"), QStringLiteral("0.00"), QStringLiteral("0.00")}});
    answer(17, QStringLiteral("Opt34b"), QStringLiteral("Yes"));
    insertGrid(17, QStringLiteral("34b"),
               {{kTan, QStringLiteral("26Q"), date(QStringLiteral("31/07"), first),
                 date(QStringLiteral("24/07"), first), QStringLiteral("Yes"), QString()},
                {kTan, QStringLiteral("26Q"), date(QStringLiteral("31/10"), first),
                 date(QStringLiteral("28/10"), first), QStringLiteral("Yes"), QString()},
                {kTan, QStringLiteral("26Q"), date(QStringLiteral("31/01"), y),
                 date(QStringLiteral("27/01"), y), QStringLiteral("Yes"), QString()},
                {kTan, QStringLiteral("26Q"), date(QStringLiteral("31/05"), y),
                 date(QStringLiteral("22/05"), y), QStringLiteral("Yes"), QString()}});

    // Clause 35: two traded goods.
    insertGrid(18, QStringLiteral("35a"),
               {{QStringLiteral("Cotton sarees"), QStringLiteral("NOS-NUMBERS"), QStringLiteral("1200.00"),
                 QStringLiteral("18500.00"), QStringLiteral("18900.00"), QStringLiteral("800.00"),
                 QStringLiteral("0.00")},
                {QStringLiteral("Silk sarees"), QStringLiteral("NOS-NUMBERS"), QStringLiteral("300.00"),
                 QStringLiteral("4200.00"), QStringLiteral("4100.00"), QStringLiteral("400.00"),
                 QStringLiteral("0.00")}});

    // Clauses 40, 43 and 44.
    insertRow(20, QStringLiteral("40a"), {QStringLiteral("38500000"), QStringLiteral("34200000")});
    insertRow(20, QStringLiteral("40b"),
              {QStringLiteral("3465000"), QStringLiteral("38500000"), QStringLiteral("9.00"),
               QStringLiteral("2907000"), QStringLiteral("34200000"), QStringLiteral("8.50")});
    insertRow(20, QStringLiteral("40c"),
              {QStringLiteral("1155000"), QStringLiteral("38500000"), QStringLiteral("3.00"),
               QStringLiteral("924000"), QStringLiteral("34200000"), QStringLiteral("2.70")});
    insertRow(20, QStringLiteral("40d"),
              {QStringLiteral("6160000"), QStringLiteral("38500000"), QStringLiteral("16.00"),
               QStringLiteral("5130000"), QStringLiteral("34200000"), QStringLiteral("15.00")});
    insertRow(20, QStringLiteral("40e"),
              {QStringLiteral("30800000"), QStringLiteral("34650000"), QStringLiteral("88.89"),
               QStringLiteral("27360000"), QStringLiteral("31293000"), QStringLiteral("87.43")});
    insertGrid(20, QStringLiteral("43"), {QStringList(4, QStringLiteral("NA"))});
    insertGrid(20, QStringLiteral("44"),
               {{QStringLiteral("32400000.00"), QStringLiteral("900000.00"), QStringLiteral("2600000.00"),
                 QStringLiteral("28900000.00"), QStringLiteral("32400000.00"), QStringLiteral("0.00")}});

    // The signing page.
    insertRow(21, QStringLiteral("AudType"), {QStringLiteral("No")});
    insertRow(21, QStringLiteral("UDIN"),
              {QString::number(y % 100).rightJustified(2, u'0') + QStringLiteral("204060AHMFS4521")});
    insertRow(21, QStringLiteral("DSIGN"), {QStringLiteral("20/09/%1").arg(y)});
}

} // namespace DemoData
