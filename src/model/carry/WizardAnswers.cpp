#include "WizardAnswers.h"

#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"
#include "store/Database.h"

#include <QHash>

namespace WizardAnswers
{

namespace
{

ClauseStore::ClauseRow rowOf(int page, const QString &point, const QStringList &values, int sequence = 0)
{
    QStringList cols = values;
    cols.resize(ReportModel::kSequenceColumn);
    if (sequence > 0)
        cols[ReportModel::kSequenceColumn - 1] = QString::number(sequence);
    return {page, QStringLiteral("3CD"), point, cols};
}

// The wizard's books: each book ticked as prescribed, kept or examined is a row of the
// clause 11 grid of that name.
QList<ClauseStore::ClauseRow> books(Database &db, const QString &client, const QString &yearKey)
{
    QList<ClauseStore::ClauseRow> rows;
    QHash<QString, int> counts;
    const QList<std::pair<QString, QString>> grids{{QStringLiteral("Prescribed"), QStringLiteral("11a")},
                                                   {QStringLiteral("Maintained"), QStringLiteral("11b")},
                                                   {QStringLiteral("Examined"), QStringLiteral("11c")}};
    Recordset rs = db.Execute(
        QStringLiteral(
            "SELECT BookNm,Prescribed,Maintained,Examined FROM anex3cd_books WHERE Code_No=? AND FYr=?"),
        {client, yearKey});
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString book = rs.Fields(0).trimmed();
        if (book.isEmpty())
            continue;
        for (const auto &[column, point] : grids) {
            if (Vocabulary::isYes(rs.Fields(column)) || Vocabulary::isTicked(rs.Fields(column)))
                rows << rowOf(4, point, {book}, ++counts[point]);
        }
    }
    if (counts.value(QStringLiteral("11a")) > 0)
        rows << rowOf(4, QStringLiteral("Opt11a"), {QStringLiteral("Yes")});
    return rows;
}

} // namespace

const QList<Place> &places()
{
    // The wizard asked its questions in the order of the form; each serial number is one answer.
    static const QList<Place> list{
        {1, 3, QStringLiteral("Opt9b"), 1},    {2, 3, QStringLiteral("Opt10b"), 1},
        {3, 4, QStringLiteral("Opt11a"), 1},   {4, 4, QStringLiteral("Opt12"), 1},
        {5, 5, QStringLiteral("13a"), 1},      {6, 5, QStringLiteral("Opt13b"), 1},
        {7, 5, QStringLiteral("Opt13dn"), 1},  {8, 5, QStringLiteral("14a"), 1},
        {9, 5, QStringLiteral("Opt14b"), 1},   {10, 9, QStringLiteral("21biii"), 1},
        {11, 9, QStringLiteral("21biv"), 1},   {12, 9, QStringLiteral("21bv"), 1},
        {13, 9, QStringLiteral("21bvii"), 1},  {14, 9, QStringLiteral("21bviii"), 1},
        {15, 9, QStringLiteral("Opt21da"), 1}, {16, 9, QStringLiteral("Opt21db"), 1},
        {17, 9, QStringLiteral("21e"), 1},     {18, 9, QStringLiteral("21f"), 1},
        {19, 9, QStringLiteral("21i"), 1},     {20, 10, QStringLiteral("22"), 1},
        {21, 10, QStringLiteral("22b"), 1},    {22, 11, QStringLiteral("Opt26"), 1},
        {23, 12, QStringLiteral("Opt27a"), 1}, {24, 13, QStringLiteral("Opt28"), 1},
        {25, 13, QStringLiteral("Opt29"), 1},  {26, 13, QStringLiteral("Opt29A"), 1},
        {27, 13, QStringLiteral("Opt29B"), 1}, {28, 14, QStringLiteral("Opt30"), 1},
        {29, 14, QStringLiteral("Opt30A"), 1}, {30, 14, QStringLiteral("Opt30B"), 1},
        {31, 14, QStringLiteral("Opt30C"), 1}, {32, 16, QStringLiteral("Opt32b"), 1},
        {33, 16, QStringLiteral("Opt32c"), 1}, {34, 16, QStringLiteral("32c"), 1},
        {35, 16, QStringLiteral("Opt32d"), 1}, {36, 16, QStringLiteral("32d"), 1},
        {37, 16, QStringLiteral("Opt32e"), 1}, {38, 16, QStringLiteral("32e"), 1},
        {39, 17, QStringLiteral("Opt33"), 1},  {40, 17, QStringLiteral("Opt34a"), 1},
        {41, 17, QStringLiteral("Opt34b"), 1}, {42, 17, QStringLiteral("Opt34c"), 1},
        {43, 19, QStringLiteral("Opt36A"), 1}, {44, 19, QStringLiteral("Opt37"), 1},
        {45, 19, QStringLiteral("37"), 1},     {46, 19, QStringLiteral("Opt38"), 1},
        {47, 19, QStringLiteral("38"), 1},     {48, 19, QStringLiteral("Opt39"), 1},
        {49, 19, QStringLiteral("39"), 1},     {50, 20, QStringLiteral("40a"), 1},
        {51, 20, QStringLiteral("40a"), 2},    {52, 20, QStringLiteral("Opt42"), 1},
        {53, 20, QStringLiteral("Opt43"), 1},  {54, 20, QStringLiteral("43B"), 1}};
    return list;
}

QList<ClauseStore::ClauseRow> rows(Database &db, const QString &client, const QString &yearKey)
{
    QHash<int, const Place *> bySerial;
    for (const Place &place : places())
        bySerial.insert(place.serial, &place);
    // One row a point; a point with two serials (clause 40(a)) gathers both columns.
    QHash<QString, ClauseStore::ClauseRow> single;
    QStringList order;
    Recordset rs = db.Execute(
        QStringLiteral(
            "SELECT PointSr,PointVal FROM anex3cd_main WHERE Code_No=? AND FYr=? ORDER BY PointSr"),
        {client, yearKey});
    for (; !rs.Eof(); rs.MoveNext()) {
        const Place *place = bySerial.value(rs.Fields(0).trimmed().toInt());
        const QString value = rs.Fields(1).trimmed();
        if (!place || value.isEmpty())
            continue;
        const QString key = QString::number(place->page) + u'|' + place->point;
        if (!single.contains(key)) {
            single.insert(key, rowOf(place->page, place->point, {}));
            order << key;
        }
        single[key].cols[place->column - 1] = value;
    }
    QList<ClauseStore::ClauseRow> list;
    for (const QString &key : order)
        list << single.value(key);
    QList<ClauseStore::ClauseRow> bookRows = books(db, client, yearKey);
    // A books answer of the wizard's question list gives way to the one its books imply.
    const bool booksAnswer =
        std::any_of(bookRows.begin(), bookRows.end(),
                    [](const ClauseStore::ClauseRow &row) { return row.point == QLatin1String("Opt11a"); });
    if (booksAnswer)
        list.removeIf([](const ClauseStore::ClauseRow &row) { return row.point == QLatin1String("Opt11a"); });
    return list + bookRows;
}

} // namespace WizardAnswers
