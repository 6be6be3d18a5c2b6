#include "DemoForm3ceb.h"

#include "HostContext.h"
#include "catalogue/Form3cebCatalogue.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/ModuleState.h"

namespace DemoForm3ceb
{

namespace
{

// A list entry as the pages store it: the text that begins "(" + code + ")".
QString entry(const QString &sql, const QString &code)
{
    Recordset rs = host().DBObj().Execute(sql, {QStringLiteral("(%1)%").arg(code)});
    return rs.Eof() ? QString() : rs.Fields(0);
}

QString method(const QString &code)
{
    return entry(QStringLiteral("SELECT Text FROM annex_3cdCombo WHERE Point='92C1' AND Text LIKE ?"), code);
}

QString relationship(const QString &code)
{
    return entry(QStringLiteral("SELECT Text FROM annex_3ceb92a2 WHERE Text LIKE ?"), code);
}

// Grid rows carry their serial in the catalogue's serial column and their place in the
// grid in the table's sequence column, as the pages keep them.
void grid(int page, const QString &point, const QList<QStringList> &rows)
{
    const int serial = Form3cebCatalogue::instance().serialColumn();
    const int sequence = moduleState().valueColumns();
    for (int r = 0; r < rows.size(); ++r) {
        QStringList cols = rows.at(r);
        cols.resize(sequence);
        cols[serial - 1] = QString::number(r + 1);
        cols[sequence - 1] = QString::number(r + 1);
        ClauseStore::insertRow(page, point, cols);
    }
}

// A transaction with an associated enterprise, its identification in the type's columns.
QStringList identified(int page, const QString &point, QStringList row, const QString &type,
                       const QString &number)
{
    const Catalogue::TransactionType *t = Form3cebCatalogue::instance().transactionTypeAt(page, point);
    while (row.size() < t->identityColumn - 1)
        row << QString();
    return row << type << number;
}

void flag(int page, const QString &point, bool yes)
{
    ClauseStore::insertRow(page, point, {yes ? QStringLiteral("True") : QStringLiteral("False")});
}

} // namespace

void insert(const QString &name, const QString &pan, const QString &address, const QString &yearKey)
{
    moduleState().openForm(FormKind::F3CEB, yearKey);
    const QString dublin = QStringLiteral("O'Brien & Partners Holdings Ltd");
    const QString dublinAddress = QStringLiteral("12 Harcourt Street\r\nDublin 2, Ireland");
    const QString singapore = QStringLiteral("Sanjay Trading (Singapore) Pte. Ltd.");
    const QString singaporeAddress = QStringLiteral("80 Robinson Road, Singapore 068898");
    const QString tin = QStringLiteral("Tax Identification Number");
    const QString others = QStringLiteral("Others");
    const QString dublinTin = QStringLiteral("IE6388047V");

    ClauseStore::insertRow(1, QStringLiteral("3CEB1"), {QStringLiteral("We"), name, address, pan, yearKey});
    ClauseStore::insertRow(1, QStringLiteral("3CEB2"),
                           {QStringLiteral("our"), QStringLiteral("our"), QStringLiteral("have been")});
    ClauseStore::insertRow(1, QStringLiteral("3CEB3"),
                           {QStringLiteral("our"), QStringLiteral("our"), QStringLiteral("us")});
    ClauseStore::insertRow(1, QStringLiteral("3CEBOTH"),
                           {QStringLiteral("Priya Raghavan"),
                            QStringLiteral("22, Cathedral Road, Chennai 600001"), QStringLiteral("204060"),
                            QStringLiteral("008765S"), QStringLiteral("Chennai"),
                            QStringLiteral("25/10/%1").arg(yearKey)});
    ClauseStore::insertRow(1, QStringLiteral("UDIN"),
                           {yearKey.right(2) + QStringLiteral("204060BKCXQR7316")});

    ClauseStore::insertRow(
        2, QStringLiteral("3CEB1"),
        {QStringLiteral("PRIVATE LTD."), QString(), QStringLiteral("Yes"), QStringLiteral("Yes")});
    grid(2, QStringLiteral("4"),
         {{QStringLiteral("09"), QStringLiteral("Wholesale of other textile fibres"),
           QStringLiteral("09015")}});

    grid(3, QStringLiteral("10"),
         {{dublin, relationship(QStringLiteral("a")),
           QStringLiteral("Holding company; trading in textile fibres"), QStringLiteral("IRELAND")},
          {singapore, relationship(QStringLiteral("b")), QStringLiteral("Fellow subsidiary; sourcing agent"),
           QStringLiteral("SINGAPORE")}});
    flag(3, QStringLiteral("Opt11A"), true);
    grid(3, QStringLiteral("11A"),
         {identified(3, QStringLiteral("11A"),
                     {singapore, singaporeAddress, QStringLiteral("Purchased"), QStringLiteral("Raw silk"),
                      QStringLiteral("12000 kg"), QStringLiteral("Paid/Payable"),
                      QStringLiteral("18450000.00"), QStringLiteral("18450000.00"),
                      method(QStringLiteral("a"))},
                     others, QString()),
          identified(3, QStringLiteral("11A"),
                     {dublin, dublinAddress, QStringLiteral("Purchased"), QStringLiteral("Merino wool tops"),
                      QStringLiteral("3500 kg"), QStringLiteral("Paid/Payable"), QStringLiteral("6275000.50"),
                      QStringLiteral("6275000.50"), method(QStringLiteral("e")),
                      QStringLiteral("Benchmarked on the year's import data")},
                     tin, dublinTin)});
    flag(4, QStringLiteral("Opt11B"), true);
    grid(
        4, QStringLiteral("11B"),
        {identified(4, QStringLiteral("11B"),
                    {dublin, dublinAddress, QStringLiteral("Sold"), QStringLiteral("Blended yarn"),
                     QStringLiteral("8000 kg"), QStringLiteral("Received/Receivable"),
                     QStringLiteral("9800000.00"), QStringLiteral("9800000.00"), method(QStringLiteral("e"))},
                    tin, dublinTin)});
    flag(4, QStringLiteral("Opt11C"), false);
    flag(5, QStringLiteral("Opt12"), false);
    flag(5, QStringLiteral("Opt13"), true);
    grid(
        5, QStringLiteral("13"),
        {identified(5, QStringLiteral("13"),
                    {singapore, singaporeAddress, QStringLiteral("Availed from AE"),
                     QStringLiteral("Sourcing and quality checks"), QStringLiteral("Paid/Payable"),
                     QStringLiteral("1200000.00"), QStringLiteral("1200000.00"), method(QStringLiteral("c"))},
                    others, QString())});
    flag(6, QStringLiteral("Opt14"), true);
    grid(6, QStringLiteral("14"),
         {identified(6, QStringLiteral("14"),
                     {dublin, dublinAddress, QStringLiteral("External commercial borrowing"),
                      QStringLiteral("USD"), QStringLiteral("Borrowing"), QStringLiteral("SOFR + 2.5%"),
                      QStringLiteral("Paid/Payable"), QStringLiteral("850000.00"),
                      QStringLiteral("850000.00"), method(QStringLiteral("a"))},
                     tin, dublinTin)});
    flag(6, QStringLiteral("Opt15"), false);
    for (const auto &[page, point] : QList<std::pair<int, QString>>{{7, QStringLiteral("Opt16")},
                                                                    {7, QStringLiteral("Opt17")},
                                                                    {8, QStringLiteral("Opt18")},
                                                                    {8, QStringLiteral("Opt19")},
                                                                    {9, QStringLiteral("Opt20")},
                                                                    {10, QStringLiteral("Opt22A")},
                                                                    {10, QStringLiteral("Opt22B")},
                                                                    {11, QStringLiteral("Opt23")},
                                                                    {12, QStringLiteral("Opt25")},
                                                                    {12, QStringLiteral("Opt25New")}})
        flag(page, point, false);
    grid(9, QStringLiteral("21"),
         {{QStringLiteral("Sanjay O'Brien Logistics LLP"), QStringLiteral("45 Park Street, Kolkata 700016"),
           QStringLiteral("AAKFS2468M"), QStringLiteral("Partner holds 40% of the firm"),
           QStringLiteral("Freight and warehousing"), QStringLiteral("West Bengal")}});
    flag(11, QStringLiteral("Opt24"), true);
    grid(11, QStringLiteral("24"),
         {{QStringLiteral("AAKFS2468M"), QStringLiteral("Sanjay O'Brien Logistics LLP"),
           QStringLiteral("Freight and warehousing services"), QStringLiteral("Paid/Payable"),
           QStringLiteral("2400000.00"), QStringLiteral("2400000.00"), method(QStringLiteral("a")),
           QStringLiteral("Rates as charged to unrelated customers")}});
}

} // namespace DemoForm3ceb
