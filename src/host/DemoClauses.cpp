#include "DemoClauses.h"

#include "DemoAddressCodes.h"
#include "HostContext.h"
#include "store/ReportKey.h"

#include "catalogue/AssesseeRow.h"
#include "catalogue/ClauseCatalogue.h"
#include "store/ClauseStore.h"

namespace DemoData
{

using ClauseStore::insertRow;

void answer(int page, const QString &option, const QString &value)
{
    insertRow(page, option, {value});
}

void answeredNo(int page, const QString &option, const QString &point, int columns)
{
    answer(page, option, QStringLiteral("No"));
    insertGrid(page, point, {QStringList(columns, QStringLiteral("Nil"))});
}

void notApplicable(int page, const QStringList &ticks)
{
    for (const QString &tick : ticks)
        insertRow(page, tick, {QStringLiteral("1")});
}

QStringList depreciationBlock(const QList<std::pair<const char *, QString>> &values)
{
    const Catalogue::Control *grid = ClauseCatalogue::instance().controlOf(7, QStringLiteral("18"));
    QStringList row;
    for (const Catalogue::Column &column : grid->columns)
        row << (column.kind == Catalogue::Kind::Amount ? QStringLiteral("0.00")
                : column.kind == Catalogue::Kind::Tick ? QStringLiteral("False")
                                                       : QString());
    for (const auto &[key, value] : values)
        row[ClauseCatalogue::instance().columnIndex(7, QStringLiteral("18"), QLatin1String(key))] = value;
    return row;
}

void insertGrid(int page, const QString &point, const QList<QStringList> &rows)
{
    for (int i = 0; i < rows.size(); ++i) {
        QStringList cols = rows.at(i);
        while (cols.size() < 22)
            cols << QString();
        cols << QString::number(i + 1);
        ClauseStore::insertRow(page, point, cols);
    }
}

void insertAssessee(const QString &formCode, const Assessee &a)
{
    using namespace AssesseeRow;
    QStringList row = emptyRow();
    row[index(FirstName)] = a.firstName;
    row[index(MiddleName)] = a.middleName;
    row[index(LastName)] = a.lastName;
    row[index(Country)] = QStringLiteral("India");
    row[index(AddressLine1)] = a.addressLine1;
    row[index(AddressLine2)] = a.addressLine2;
    row[index(Pin)] = a.pin;
    row[index(PostOffice)] = a.postOffice;
    row[index(Area)] = a.area;
    row[index(District)] = a.district;
    row[index(State)] = a.state;
    row[index(PAN)] = a.pan;
    row[index(Aadhaar)] = a.aadhaar;
    const Catalogue::PointRef place = placeOn(formCode);
    insertRow(place.page, place.point, row);
}

void insertUsualAnswers(const QString &yearKey)
{
    const int y = yearKey.toInt();
    auto date = [y](const QString &dayMonth, int year) { return dayMonth + u'/' + QString::number(year); };
    notApplicable(6, {QStringLiteral("NA15"), QStringLiteral("NA16a"), QStringLiteral("NA16b"),
                      QStringLiteral("NA16c"), QStringLiteral("NA16d"), QStringLiteral("NA16e")});
    notApplicable(7, {QStringLiteral("NA17")});
    notApplicable(8, {QStringLiteral("NA19")});
    answeredNo(9, QStringLiteral("Opt21da"), QStringLiteral("21da"), 6);
    answeredNo(9, QStringLiteral("Opt21db"), QStringLiteral("21db"), 6);
    notApplicable(10, {QStringLiteral("NA24"), QStringLiteral("NA25")});
    notApplicable(11, {QStringLiteral("NA26Ab"), QStringLiteral("NA26Ba"), QStringLiteral("NA26Bb")});
    answer(11, QStringLiteral("Opt26"), QStringLiteral("No"));
    insertRow(11, QStringLiteral("26"), {QStringLiteral("Nil")});
    answer(12, QStringLiteral("Opt27a"), QStringLiteral("No"));
    notApplicable(12, {QStringLiteral("NA27b")});
    answeredNo(13, QStringLiteral("Opt28"), QStringLiteral("28"), 8);
    answeredNo(13, QStringLiteral("Opt29"), QStringLiteral("29"), 6);
    answeredNo(13, QStringLiteral("Opt29A"), QStringLiteral("29A"), 2);
    answeredNo(13, QStringLiteral("Opt29B"), QStringLiteral("29B"), 2);
    answeredNo(14, QStringLiteral("Opt30"), QStringLiteral("30"), 16);
    answeredNo(14, QStringLiteral("Opt30A"), QStringLiteral("30A"), 6);
    answeredNo(14, QStringLiteral("Opt30B"), QStringLiteral("30B"), 7);
    answeredNo(14, QStringLiteral("Opt30C"), QStringLiteral("30C"), 3);
    answer(16, QStringLiteral("Opt32b"), QStringLiteral("False"));
    for (const QString &sub : {QStringLiteral("32c"), QStringLiteral("32d"), QStringLiteral("32e")}) {
        answer(16, QStringLiteral("Opt") + sub, QStringLiteral("No"));
        insertRow(16, sub, {QStringLiteral("Nil")});
    }
    answeredNo(17, QStringLiteral("Opt34c"), QStringLiteral("34c"), 4);
    notApplicable(18, {QStringLiteral("NA35ba"), QStringLiteral("NA35bFP"), QStringLiteral("NA35bBP")});
    answeredNo(19, QStringLiteral("Opt36A"), QStringLiteral("36A"), 2);
    for (const QString &clause : {QStringLiteral("37"), QStringLiteral("38"), QStringLiteral("39")}) {
        answer(19, QStringLiteral("Opt") + clause, QStringLiteral("No"));
        insertRow(19, clause, {QStringLiteral("Nil")});
    }
    notApplicable(20, {QStringLiteral("NA41")});
    answeredNo(20, QStringLiteral("Opt42"), QStringLiteral("42"), 6);
    answer(20, QStringLiteral("Opt43"), QStringLiteral("NA"));
    insertRow(20, QStringLiteral("43B"), {date(QStringLiteral("31/12"), y)});
}

void insertFilledClauses(const QString &yearKey)
{
    insertUsualAnswers(yearKey);
    const int y = yearKey.toInt();
    auto date = [y](const QString &dayMonth, int year) { return dayMonth + u'/' + QString::number(year); };
    const int first = y - 1;

    insertGrid(1, QStringLiteral("3CAQual"),
               {{QStringLiteral("Others"),
                 QStringLiteral("Stock was physically verified by the management at the year end.")}});

    // Clauses 9 to 12: a company, books kept at the registered office, no presumptive income.
    answer(3, QStringLiteral("Opt9a"), QStringLiteral("NA"));
    notApplicable(3, {QStringLiteral("NA9a")});
    answeredNo(3, QStringLiteral("Opt9b"), QStringLiteral("9b"), 6);
    insertGrid(
        4, QStringLiteral("11b"),
        {{QStringLiteral("Cash Book"), QStringLiteral("INDIA"), QStringLiteral("Unit 4, 2nd Floor"),
          QStringLiteral("Kamala Mills Compound"), QStringLiteral("400001"), QStringLiteral("Mumbai G.P.O."),
          QStringLiteral("Fort"), QStringLiteral("Mumbai"), QStringLiteral("Maharashtra")}});
    notApplicable(4, {QStringLiteral("NA11c")});
    answeredNo(4, QStringLiteral("Opt12"), QStringLiteral("12"), 3);

    // Clauses 13 and 14: an ICDS adjustment on inventories.
    answer(5, QStringLiteral("Opt13b"), QStringLiteral("False"));
    notApplicable(5, {QStringLiteral("NA13c"), QStringLiteral("NA13f")});
    answer(5, QStringLiteral("Opt13dn"), QStringLiteral("Yes"));
    insertGrid(5, QStringLiteral("13e"),
               {{QStringLiteral("ICDS II - Valuation of Inventories"), QStringLiteral("45000.00"),
                 QStringLiteral("0.00"), QStringLiteral("45000.00")}});
    insertRow(5, QStringLiteral("13eT"),
              {QStringLiteral("45000.00"), QStringLiteral("0.00"), QStringLiteral("45000.00")});
    insertRow(5, QStringLiteral("14a"), {QStringLiteral("LOWER OF COST OR MARKET RATE")});
    answeredNo(5, QStringLiteral("Opt14b"), QStringLiteral("14b"), 3);

    // Clause 18: depreciation of two blocks.
    const QString additions =
        date(QStringLiteral("15/06"), first) + QStringLiteral("#C#") + date(QStringLiteral("20/06"), first) +
        QStringLiteral("#C#250000.00#C#0.00#C#0.00#C#0.00#C#250000.00#R#") +
        date(QStringLiteral("10/01"), y) + QStringLiteral("#C#") + date(QStringLiteral("15/01"), y) +
        QStringLiteral("#C#100000.00#C#0.00#C#0.00#C#0.00#C#100000.00");
    insertGrid(
        7, QStringLiteral("18"),
        {depreciationBlock({{"description", QStringLiteral("(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)")},
                            {"rate", QStringLiteral("15%")},
                            {"openingWdv", QStringLiteral("1200000.00")},
                            {"adjustedWdv", QStringLiteral("1200000.00")},
                            {"purchaseValue", QStringLiteral("350000.00")},
                            {"totalAdditions", QStringLiteral("350000.00")},
                            {"additionsLess180", QStringLiteral("100000.00")},
                            {"additions180OrMore", QStringLiteral("250000.00")},
                            {"totalDeductions", QStringLiteral("50000.00")},
                            {"deductionsNotOutOfLess180", QStringLiteral("50000.00")},
                            {"depreciationAllowable", QStringLiteral("217500.00")},
                            {"closingWdv", QStringLiteral("1282500.00")},
                            {"additionsList", additions},
                            {"deductionsList",
                             date(QStringLiteral("12/11"), first) + QStringLiteral("#C#50000.00#C#False")}}),
         depreciationBlock(
             {{"description", QStringLiteral("(18r) Furnitures & Fittings @ 10%- Sec 32(1)(ii)")},
              {"rate", QStringLiteral("10%")},
              {"openingWdv", QStringLiteral("300000.00")},
              {"adjustedWdv", QStringLiteral("300000.00")},
              {"depreciationAllowable", QStringLiteral("30000.00")},
              {"closingWdv", QStringLiteral("270000.00")}})});

    // Clauses 19 and 20.
    insertGrid(8, QStringLiteral("20a"),
               {{QStringLiteral("Bonus paid to employees"), QStringLiteral("185000.00")}});
    insertGrid(
        8, QStringLiteral("20b"),
        {{QStringLiteral("Provident Fund"), QStringLiteral("96000.00"), date(QStringLiteral("15/05"), first),
          QStringLiteral("96000.00"), date(QStringLiteral("12/05"), first)},
         {QStringLiteral("Any other welfare fund"), QStringLiteral("4200.00"),
          date(QStringLiteral("15/11"), first), QStringLiteral("4200.00"),
          date(QStringLiteral("20/11"), first)}});

    // Clause 21: a capital outlay charged to revenue and a payment abroad without tax deducted.
    insertGrid(
        9, QStringLiteral("21a1"),
        {{QStringLiteral("Repairs to factory building of a capital nature"), QStringLiteral("75000.00")}});
    notApplicable(9, {QStringLiteral("NA21a2"), QStringLiteral("NA21a3"), QStringLiteral("NA21a4"),
                      QStringLiteral("NA21a5"), QStringLiteral("NA21a6"), QStringLiteral("NA21a7"),
                      QStringLiteral("NA21a8"), QStringLiteral("NA21a9")});
    insertGrid(9, QStringLiteral("21bia"),
               {{date(QStringLiteral("18/08"), first), QStringLiteral("120000.00"),
                 QStringLiteral("Design services"), QStringLiteral("Hartley Textile Design Ltd"), QString(),
                 QString(), QStringLiteral("UNITED KINGDOM OF GREAT BRITAIN AND NORTHERN IRELAND"),
                 QStringLiteral("14 Baker Street"), QStringLiteral("Marylebone"), QStringLiteral("NW1 6XE"),
                 QString(), QStringLiteral("Marylebone"), QStringLiteral("London"),
                 QStringLiteral("State outside India")}});
    notApplicable(9, {QStringLiteral("NA21bib"), QStringLiteral("NA21biia"), QStringLiteral("NA21biib"),
                      QStringLiteral("NA21biiia"), QStringLiteral("NA21biiib"), QStringLiteral("NA21bvi"),
                      QStringLiteral("NA21c"), QStringLiteral("NA21g"), QStringLiteral("NA21h")});

    // Clauses 22 to 25.
    insertRow(10, QStringLiteral("22"), {QStringLiteral("0.00")});
    insertRow(10, QStringLiteral("22b"), {QStringLiteral("0.00")});
    insertGrid(10, QStringLiteral("23"),
               {{QStringLiteral("Rakesh Sharma"), QStringLiteral("ABCPS1234D"), QString(),
                 QStringLiteral("Director"), QStringLiteral("Remuneration"), QStringLiteral("1800000.00")}});

    // Clauses 26 and 27.
    insertGrid(
        11, QStringLiteral("26iAa"),
        {{QStringLiteral(
              "(a) Any sum payable by way of tax, duty, cess or fee, by whatever name called, under any "
              "law"),
          QStringLiteral("Goods and services tax"), QStringLiteral("210000.00")}});

    // Clause 31.
    insertGrid(14, QStringLiteral("31a"),
               {{QStringLiteral("Rakesh Sharma"), QStringLiteral("12, Palm Grove, Worli, Mumbai 400018"),
                 QStringLiteral("ABCPS1234D"), QString(), QStringLiteral("500000.00"), QStringLiteral("No"),
                 QStringLiteral("500000.00"), QStringLiteral("Yes-Cheque"),
                 QStringLiteral("Account payee cheque")}});
    notApplicable(15, {QStringLiteral("NA31b"), QStringLiteral("NA31ba"), QStringLiteral("NA31bb"),
                       QStringLiteral("NA31c")});

    // Clause 32: a loss brought forward, no speculation.
    insertGrid(16, QStringLiteral("32a"),
               {{QStringLiteral("1"), ReportKey::twoYears(y - 2), QStringLiteral("Unabsorbed depreciation"),
                 QStringLiteral("350000.00"), QStringLiteral("0.00"), QStringLiteral("0.00"),
                 QStringLiteral("350000.00"), QString(), QString(), QString()}});

    // Clauses 33 and 34: a donation and the TDS statements.
    answer(17, QStringLiteral("Opt33"), QStringLiteral("Yes"));
    insertGrid(17, QStringLiteral("33"), {{QStringLiteral("80G"), QStringLiteral("25000.00")}});
    answer(17, QStringLiteral("Opt34a"), QStringLiteral("Yes"));
    insertGrid(17, QStringLiteral("34a"),
               {{QStringLiteral("MUMS12345A"), QStringLiteral("194C"),
                 QStringLiteral("Payment to contractors"), QStringLiteral("1500000.00"),
                 QStringLiteral("1500000.00"), QStringLiteral("1500000.00"), QStringLiteral("30000.00"),
                 QStringLiteral("0.00"), QStringLiteral("0.00"), QStringLiteral("0.00")}});
    answer(17, QStringLiteral("Opt34b"), QStringLiteral("Yes"));
    insertGrid(17, QStringLiteral("34b"),
               {{QStringLiteral("MUMS12345A"), QStringLiteral("26Q"), date(QStringLiteral("31/07"), first),
                 date(QStringLiteral("25/07"), first), QStringLiteral("Yes"), QString()}});

    // Clause 35: one traded item.
    insertGrid(18, QStringLiteral("35a"),
               {{QStringLiteral("Cotton fabric"), QStringLiteral("MTR-METERS"), QStringLiteral("12000.00"),
                 QStringLiteral("85000.00"), QStringLiteral("88000.00"), QStringLiteral("9000.00"),
                 QStringLiteral("0.00")}});

    // Clauses 40 and 44.
    insertRow(20, QStringLiteral("40a"), {QStringLiteral("84500000"), QStringLiteral("76200000")});
    insertRow(20, QStringLiteral("40b"),
              {QStringLiteral("10985000"), QStringLiteral("84500000"), QStringLiteral("13.00"),
               QStringLiteral("9525000"), QStringLiteral("76200000"), QStringLiteral("12.50")});
    insertRow(20, QStringLiteral("40c"),
              {QStringLiteral("4225000"), QStringLiteral("84500000"), QStringLiteral("5.00"),
               QStringLiteral("3429000"), QStringLiteral("76200000"), QStringLiteral("4.50")});
    insertRow(20, QStringLiteral("40d"),
              {QStringLiteral("8450000"), QStringLiteral("84500000"), QStringLiteral("10.00"),
               QStringLiteral("8382000"), QStringLiteral("76200000"), QStringLiteral("11.00")});
    insertRow(20, QStringLiteral("40e"),
              {QStringLiteral("50000000"), QStringLiteral("30000000"), QStringLiteral("60.00"),
               QStringLiteral("45000000"), QStringLiteral("27000000"), QStringLiteral("60.00")});
    insertGrid(
        20, QStringLiteral("44"),
        {{QStringLiteral("62000000.00"), QStringLiteral("1500000.00"), QStringLiteral("800000.00"),
          QStringLiteral("55200000.00"), QStringLiteral("57500000.00"), QStringLiteral("4500000.00")}});
    enterAddressCodes(host().DBObj(), host().Temp_Code(), yearKey);
}

} // namespace DemoData
