#include "DemoEarlierData.h"

#include "store/ClauseTables.h"
#include "store/Database.h"

#include <QStringList>

namespace DemoEarlierData
{

namespace
{

QString listEntry(Database &db, const QString &sql, const QString &code)
{
    Recordset rs = db.Execute(sql, {QStringLiteral("(%1)%").arg(code)});
    return rs.Eof() ? QString() : rs.Fields(0);
}

// The Form 3CEB client's report of the year as the older Form 3CEB table kept it: a
// transaction's values in the order the e-filing XML lists them, the grid serial in Col15.
void form3cebOlderTable(Database &db, const QString &yearKey)
{
    const QString client = QStringLiteral("C004");
    Recordset master =
        db.Execute(QStringLiteral("SELECT Name, PAN FROM main_info1 WHERE Code_No=?"), {client});
    if (master.Eof())
        return;
    const QString name = master.Fields(0);
    const QString singapore = QStringLiteral("Sanjay Trading (Singapore) Pte. Ltd.");
    const QString method =
        listEntry(db, QStringLiteral("SELECT Text FROM annex_3cdCombo WHERE Point='92C1' AND Text LIKE ?"),
                  QStringLiteral("a"));
    const QString relationship = listEntry(
        db, QStringLiteral("SELECT Text FROM annex_3ceb92a2 WHERE Text LIKE ?"), QStringLiteral("b"));
    // PageNo, PointNo, then the values from Col1; a grid row's serial is the last of fifteen.
    const QList<QStringList> rows{
        {QStringLiteral("1"), QStringLiteral("3CEB1"), QStringLiteral("We"), name,
         QStringLiteral("45, Park Street Chambers, Park Street, Kolkata, 700001"), master.Fields(1), yearKey},
        {QStringLiteral("1"), QStringLiteral("3CEB2"), QStringLiteral("our"), QStringLiteral("our"),
         QStringLiteral("have been")},
        {QStringLiteral("1"), QStringLiteral("3CEB3"), QStringLiteral("our"), QStringLiteral("our"),
         QStringLiteral("us")},
        {QStringLiteral("2"), QStringLiteral("3CEB1"), QStringLiteral("PRIVATE LTD."), QString(),
         QStringLiteral("Yes"), QStringLiteral("No")},
        {QStringLiteral("3"),
         QStringLiteral("10"),
         singapore,
         relationship,
         QStringLiteral("Sourcing agent"),
         {},
         {},
         {},
         {},
         {},
         {},
         {},
         {},
         {},
         {},
         {},
         QStringLiteral("1")},
        {QStringLiteral("3"), QStringLiteral("Opt11A"), QStringLiteral("True")},
        {QStringLiteral("3"),
         QStringLiteral("11A"),
         QStringLiteral("Paid/Payable"),
         singapore,
         QStringLiteral("80 Robinson Road, Singapore 068898"),
         QStringLiteral("Purchased"),
         QStringLiteral("Raw silk"),
         QStringLiteral("10000 kg"),
         QStringLiteral("15200000.00"),
         QStringLiteral("15200000.00"),
         method,
         {},
         {},
         {},
         {},
         {},
         QStringLiteral("1")},
        {QStringLiteral("4"), QStringLiteral("Opt11B"), QStringLiteral("False")},
        {QStringLiteral("4"), QStringLiteral("Opt11C"), QStringLiteral("False")}};
    db.Execute(QStringLiteral("DELETE FROM anx_3ceb WHERE Code_No=? AND FYr=?"), {client, yearKey});
    for (const QStringList &row : rows) {
        QVariantList values{client, yearKey, row.at(0).toInt(), row.at(1)};
        for (int c = 2; c < 17; ++c)
            values << row.value(c);
        db.Execute(
            QStringLiteral("INSERT INTO anx_3ceb (Code_No,FYr,FormName,PageNo,PointNo,Col1,Col2,Col3,Col4,"
                           "Col5,Col6,Col7,Col8,Col9,Col10,Col11,Col12,Col13,Col14,Col15) "
                           "VALUES (?,?,'3CEB',?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
            values);
    }
}

} // namespace

void create(Database &db, const QString &yearKey)
{
    const QString client = QStringLiteral("C002");
    // PageNo, PointNo, then up to five values.
    const QList<QStringList> rows{
        {QStringLiteral("3"), QStringLiteral("Opt10b"), QStringLiteral("No")},
        {QStringLiteral("4"), QStringLiteral("Opt11a"), QStringLiteral("Yes")},
        {QStringLiteral("4"), QStringLiteral("11a"), QStringLiteral("Cash Book")},
        {QStringLiteral("4"), QStringLiteral("11a"), QStringLiteral("Ledger")},
        {QStringLiteral("5"), QStringLiteral("13a"), QStringLiteral("MERCANTILE SYSTEM")},
        {QStringLiteral("5"), QStringLiteral("14a"),
         QStringLiteral("At cost or market price, whichever is lower")},
        {QStringLiteral("10"), QStringLiteral("23"), QStringLiteral("Kiran Mehta"),
         QStringLiteral("AAFPM4521K"), QStringLiteral("Partner's wife"), QStringLiteral("Rent of the shop"),
         QStringLiteral("240000.00")},
        {QStringLiteral("19"), QStringLiteral("Opt37"), QStringLiteral("No")},
        {QStringLiteral("19"), QStringLiteral("37"), QStringLiteral("Nil")}};
    const QString table = ClauseTables::olderClauseTableName(yearKey);
    Transaction transaction(db);
    db.Execute(ClauseTables::deleteReportRows(table), {client, yearKey});
    for (const QStringList &row : rows) {
        QVariantList values{client, yearKey, row.at(0).toInt(), row.at(1)};
        for (int c = 2; c < 7; ++c)
            values << row.value(c);
        db.Execute(
            QStringLiteral("INSERT INTO %1 (Code_No,FYr,FormName,PageNo,PointNo,Col1,Col2,Col3,Col4,Col5) "
                           "VALUES (?,?,'3CD',?,?,?,?,?,?,?)")
                .arg(table),
            values);
    }
    // The wizard's answers by serial number (method of accounting, no change in it, valuation
    // of stock, no expenditure of a capital nature) and its books, the same in both years.
    const QString wizardClient = QStringLiteral("C003");
    const QList<std::pair<QString, QString>> answers{
        {QStringLiteral("9"), QStringLiteral("MERCANTILE SYSTEM")},
        {QStringLiteral("10"), QStringLiteral("No")},
        {QStringLiteral("13"), QStringLiteral("At cost")},
        {QStringLiteral("42"), QStringLiteral("Nil")}};
    const QList<QStringList> books{
        {QStringLiteral("Cash Book"), QStringLiteral("Yes"), QStringLiteral("Yes"), QStringLiteral("Yes")},
        {QStringLiteral("Ledger"), QStringLiteral("Yes"), QStringLiteral("Yes"), QStringLiteral("No")}};
    for (const QString &year : {QString::number(yearKey.toInt() - 1), yearKey}) {
        db.Execute(QStringLiteral("DELETE FROM anex3cd_main WHERE Code_No=? AND FYr=?"),
                   {wizardClient, year});
        db.Execute(QStringLiteral("DELETE FROM anex3cd_books WHERE Code_No=? AND FYr=?"),
                   {wizardClient, year});
        for (const auto &[serial, value] : answers)
            db.Execute(
                QStringLiteral("INSERT INTO anex3cd_main (Code_No,FYr,PointSr,PointVal) VALUES (?,?,?,?)"),
                {wizardClient, year, serial, value});
        for (const QStringList &book : books)
            db.Execute(QStringLiteral(
                           "INSERT INTO anex3cd_books (Code_No,FYr,BookNm,Prescribed,Maintained,Examined) "
                           "VALUES (?,?,?,?,?,?)"),
                       {wizardClient, year, book.at(0), book.at(1), book.at(2), book.at(3)});
    }
    form3cebOlderTable(db, yearKey);
    transaction.commit();
}

} // namespace DemoEarlierData
