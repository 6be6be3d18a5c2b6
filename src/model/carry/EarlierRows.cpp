#include "EarlierRows.h"

#include "catalogue/ClauseCatalogue.h"
#include "model/ReportModel.h"
#include "store/ClauseTables.h"
#include "store/Database.h"

#include <QHash>
#include <algorithm>
#include <numeric>
#include <vector>

namespace EarlierRows
{

namespace
{

bool isGrid(int page, const QString &point)
{
    const Catalogue::Control *control = ClauseCatalogue::instance().controlOf(page, point);
    return control && control->type == Catalogue::ControlType::Grid;
}

} // namespace

QString tableOf(Format format, const QString &yearKey)
{
    switch (format) {
    case Format::Older:
        return ClauseTables::olderClauseTableName(yearKey);
    case Format::Oldest:
        return ClauseTables::oldestClauseTableName(yearKey);
    case Format::Current:
        break;
    }
    return ClauseTables::clauseTableName(yearKey);
}

void sortInGridOrder(QList<ClauseStore::ClauseRow> &rows, int sequenceColumn)
{
    // Each row's number is read once, not at every comparison; rows mostly come in order.
    std::vector<int> sequence;
    sequence.reserve(rows.size());
    for (const ClauseStore::ClauseRow &row : rows)
        sequence.push_back(row.col(sequenceColumn).toInt());
    std::vector<qsizetype> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    const auto before = [&](qsizetype a, qsizetype b) {
        const ClauseStore::ClauseRow &x = rows.at(a);
        const ClauseStore::ClauseRow &y = rows.at(b);
        if (x.page != y.page)
            return x.page < y.page;
        if (x.point != y.point)
            return x.point < y.point;
        return sequence[a] < sequence[b];
    };
    if (std::is_sorted(order.begin(), order.end(), before))
        return;
    std::stable_sort(order.begin(), order.end(), before);
    QList<ClauseStore::ClauseRow> sorted;
    sorted.reserve(rows.size());
    for (qsizetype at : order)
        sorted << std::move(rows[at]);
    rows = std::move(sorted);
}

QList<ClauseStore::ClauseRow> stored(Database &db, const QString &table, int columns, const QString &client,
                                     const QString &yearKey)
{
    if (!db.tableExists(table))
        return {};
    return ClauseStore::readTable(db, table, columns, ClauseTables::kReportRows, {client, yearKey});
}

QList<ClauseStore::ClauseRow> read(Database &db, Format format, const QString &client, const QString &yearKey)
{
    const QString table = tableOf(format, yearKey);
    const int columns = ClauseTables::valueColumnCount(table);
    const int sequence = ReportModel::kSequenceColumn;
    QList<ClauseStore::ClauseRow> rows = stored(db, table, columns, client, yearKey);
    QHash<QString, int> numbered;
    for (ClauseStore::ClauseRow &row : rows) {
        const QString seventeenth = row.col(17);
        row.cols.resize(sequence);
        if (format == Format::Oldest)
            row.cols[sequence - 1] = seventeenth;
        else if (format == Format::Older && isGrid(row.page, row.point))
            row.cols[sequence - 1] =
                QString::number(++numbered[QString::number(row.page) + u'|' + row.point]);
    }
    sortInGridOrder(rows, sequence);
    return rows;
}

} // namespace EarlierRows
