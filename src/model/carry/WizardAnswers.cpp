#include "WizardAnswers.h"

#include "catalogue/WizardMap.h"
#include "model/ReportModel.h"
#include "store/ClauseTables.h"
#include "store/Database.h"

#include <QHash>

namespace WizardAnswers
{

namespace
{

ClauseStore::ClauseRow emptyRow(const WizardMap::Place &place)
{
    QStringList cols;
    cols.resize(ReportModel::kSequenceColumn);
    return {place.page, QStringLiteral("3CD"), place.point, cols};
}

QString keyOf(const WizardMap::Place &place)
{
    return QString::number(place.page) + u'|' + place.point;
}

// Every book gives one row to each list: the book's name and the wizard's answer for that
// list, numbered in the order of the books.
QList<ClauseStore::ClauseRow> books(Database &db, const WizardMap::Map &map, const QString &client,
                                    const QString &yearKey)
{
    QList<ClauseStore::ClauseRow> rows;
    QHash<QString, int> counts;
    Recordset rs = db.Execute(
        QStringLiteral(
            "SELECT BookNm,Prescribed,Maintained,Examined FROM anex3cd_books WHERE Code_No=? AND FYr=?"),
        {client, yearKey});
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString book = rs.Fields(QStringLiteral("BookNm")).trimmed();
        if (book.isEmpty())
            continue;
        for (const WizardMap::BookList &list : map.books) {
            ClauseStore::ClauseRow row = emptyRow(list.place);
            row.cols[0] = book;
            row.cols[1] = rs.Fields(list.column).trimmed();
            row.cols[ReportModel::kSequenceColumn - 1] = QString::number(++counts[keyOf(list.place)]);
            rows << row;
        }
    }
    return rows;
}

} // namespace

QList<ClauseStore::ClauseRow> rows(Database &db, const QString &client, const QString &yearKey)
{
    const WizardMap::Map &map = WizardMap::instance();
    // One row a point; a point fed by several serials (the parts of old clause 17(d)) gathers
    // them in its columns.
    QHash<QString, ClauseStore::ClauseRow> single;
    QStringList order;
    Recordset rs =
        db.Execute(QStringLiteral("SELECT PointSr,PointVal FROM %1 WHERE ").arg(ClauseTables::kWizardTable) +
                       ClauseTables::kReportRows,
                   {client, yearKey});
    QList<std::pair<int, QString>> answers;
    for (; !rs.Eof(); rs.MoveNext())
        answers << std::pair{rs.Fields(0).trimmed().toInt(), rs.Fields(1).trimmed()};
    // The serial is text in the wizard's table: "10" comes after "9".
    std::stable_sort(answers.begin(), answers.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[serial, value] : answers) {
        const WizardMap::Place *place = map.placeOf(serial);
        if (!place || value.isEmpty())
            continue;
        const QString key = keyOf(*place);
        if (!single.contains(key)) {
            single.insert(key, emptyRow(*place));
            order << key;
        }
        single[key].cols[place->column - 1] = value;
    }
    QList<ClauseStore::ClauseRow> list;
    for (const QString &key : order)
        list << single.value(key);
    return list + books(db, map, client, yearKey);
}

} // namespace WizardAnswers
