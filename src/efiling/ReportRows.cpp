#include "ReportRows.h"

namespace
{

QString keyOf(int page, const QString &point)
{
    return QString::number(page) + u'|' + point;
}

} // namespace

ReportRows ReportRows::load()
{
    ReportRows r;
    // readAll orders by page, form name, point and sequence, so appending keeps grid order.
    for (Row &row : ClauseStore::readAll()) {
        r.m_byPoint[keyOf(row.page, row.point)].append(std::move(row));
        ++r.m_count;
    }
    return r;
}

const QList<ReportRows::Row> &ReportRows::rows(int page, const QString &point) const
{
    static const QList<Row> none;
    auto it = m_byPoint.constFind(keyOf(page, point));
    return it == m_byPoint.constEnd() ? none : *it;
}

QList<ReportRows::Row> ReportRows::rows(int page, const QString &point, const QString &formName) const
{
    QList<Row> list;
    for (const Row &row : rows(page, point)) {
        if (row.formName == formName)
            list << row;
    }
    return list;
}

QString ReportRows::value(int page, const QString &point, int col) const
{
    const QList<Row> &list = rows(page, point);
    return list.isEmpty() ? QString() : list.first().col(col);
}
