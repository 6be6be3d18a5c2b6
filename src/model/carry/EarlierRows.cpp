#include "EarlierRows.h"

#include "catalogue/ClauseCatalogue.h"
#include "store/ClauseTables.h"
#include "model/ReportModel.h"
#include "store/Database.h"

#include <QHash>
#include <algorithm>

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
        return QStringLiteral("annex_new_3cd_") + yearKey;
    case Format::Oldest:
        return QStringLiteral("anx_3cd_") + yearKey;
    case Format::Current:
        break;
    }
    return ClauseTables::clauseTableName(yearKey);
}

void sortInGridOrder(QList<ClauseStore::ClauseRow> &rows, int sequenceColumn)
{
    std::stable_sort(rows.begin(), rows.end(), [sequenceColumn](const auto &a, const auto &b) {
        if (a.page != b.page)
            return a.page < b.page;
        if (a.point != b.point)
            return a.point < b.point;
        return a.col(sequenceColumn).toInt() < b.col(sequenceColumn).toInt();
    });
}

QList<ClauseStore::ClauseRow> stored(Database &db, const QString &table, int columns, const QString &client,
                                     const QString &yearKey)
{
    if (!db.tableExists(table))
        return {};
    return ClauseStore::readTable(db, table, columns, QStringLiteral("Code_No=? AND FYr=?"),
                                  {client, yearKey});
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
