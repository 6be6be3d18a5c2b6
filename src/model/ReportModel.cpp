#include "ReportModel.h"

#include "host/HostContext.h"
#include "store/Database.h"

#include <algorithm>

ReportModel::ReportModel(const ReportKey &key, QObject *parent) : QObject(parent), m_key(key) {}

std::unique_ptr<ReportModel> ReportModel::load(const ReportKey &key)
{
    auto model = std::make_unique<ReportModel>(key);
    model->reload();
    return model;
}

void ReportModel::reload()
{
    m_byPoint.clear();
    m_pointOrder.clear();
    QList<Row> read = ClauseStore::readAll(m_key);
    // The rows come a point at a time: its list is looked up once for them all.
    QList<Row> *list = nullptr;
    for (Row &row : read) {
        if (!list || list->constLast().page != row.page || list->constLast().point != row.point)
            list = &entry(row.page, row.point);
        place(*list, std::move(row));
    }
    emit reloaded();
}

QString ReportModel::keyOf(int page, const QString &point)
{
    return QString::number(page) + u'|' + point;
}

QList<ReportModel::Row> &ReportModel::entry(int page, const QString &point)
{
    const QString key = keyOf(page, point);
    auto it = m_byPoint.find(key);
    if (it == m_byPoint.end()) {
        m_pointOrder[page] << point;
        it = m_byPoint.emplace(key, QList<Row>()).first;
    }
    return it->second;
}

const QList<ReportModel::Row> &ReportModel::rows(int page, const QString &point) const
{
    static const QList<Row> none;
    const auto it = m_byPoint.find(keyOf(page, point));
    return it == m_byPoint.end() ? none : it->second;
}

QList<ReportModel::Row> ReportModel::rows(int page, const QString &point, const QString &formName) const
{
    QList<Row> list;
    for (const Row &row : rows(page, point)) {
        if (row.formName == formName)
            list << row;
    }
    return list;
}

QString ReportModel::value(int page, const QString &point, int col) const
{
    const QList<Row> &list = rows(page, point);
    return list.isEmpty() ? QString() : list.first().col(col);
}

QStringList ReportModel::column(int page, const QString &point, int col) const
{
    QStringList values;
    for (const Row &row : rows(page, point))
        values << row.col(col);
    return values;
}

bool ReportModel::has(int page, const QString &point) const
{
    return !rows(page, point).isEmpty();
}

QStringList ReportModel::points(int page) const
{
    QStringList kept;
    for (const QString &point : m_pointOrder.value(page)) {
        if (has(page, point))
            kept << point;
    }
    return kept;
}

QList<int> ReportModel::pages() const
{
    QList<int> list = m_pointOrder.keys();
    std::sort(list.begin(), list.end());
    return list;
}

int ReportModel::count() const
{
    int n = 0;
    for (const auto &[key, list] : m_byPoint)
        n += int(list.size());
    return n;
}

void ReportModel::setRows(int page, const QString &point, const QList<QStringList> &rows,
                          const QString &formName)
{
    const QString form = formName.isEmpty() ? formNameForPage(page) : formName;
    QList<Row> &list = entry(page, point);
    list.removeIf([&form](const Row &row) { return row.formName == form; });
    for (const QStringList &cols : rows)
        list << Row{page, form, point, cols};
    emit pointChanged(page, point);
}

void ReportModel::setValue(int page, const QString &point, const QString &value, int col)
{
    if (col < 1 || col > m_key.form.valueColumns())
        return;
    const QString form = formNameForPage(page);
    QList<Row> &list = entry(page, point);
    auto it =
        std::find_if(list.begin(), list.end(), [&form](const Row &row) { return row.formName == form; });
    if (it == list.end())
        it = list.insert(list.end(), Row{page, form, point, {}});
    while (it->cols.size() < col)
        it->cols << QString();
    it->cols[col - 1] = value;
    it->mayBePadded = it->mayBePadded || ClauseStore::isPadded(value);
    emit pointChanged(page, point);
}

bool ReportModel::setCell(int page, const QString &point, int row, int col, const QString &value)
{
    if (col < 1 || col > m_key.form.valueColumns())
        return false;
    const QString form = formNameForPage(page);
    QList<Row> &list = entry(page, point);
    // The rows of one form name stand together (see append): the row-th is found at once.
    const auto first =
        std::find_if(list.begin(), list.end(), [&form](const Row &r) { return r.formName == form; });
    const qsizetype at = (first - list.begin()) + row;
    if (row < 0 || at >= list.size() || list.at(at).formName != form)
        return false;
    Row &r = list[at];
    while (r.cols.size() < col)
        r.cols << QString();
    r.cols[col - 1] = value;
    r.mayBePadded = r.mayBePadded || ClauseStore::isPadded(value);
    emit pointChanged(page, point);
    return true;
}

void ReportModel::removePoint(int page, const QString &point)
{
    if (m_byPoint.erase(keyOf(page, point)) == 0)
        return;
    m_pointOrder[page].removeAll(point);
    emit pointChanged(page, point);
}

void ReportModel::append(const Row &row)
{
    // A row from elsewhere may have been changed since it was read.
    Row added(row);
    added.mayBePadded = true;
    place(entry(row.page, row.point), std::move(added));
}

void ReportModel::place(QList<Row> &list, Row &&row)
{
    // A row joins the others of its form name, so that a point's rows of each form name
    // stand together in their order.
    if (list.isEmpty() || list.constLast().formName == row.formName) {
        list << std::move(row);
        return;
    }
    const auto last = std::find_if(list.crbegin(), list.crend(),
                                   [&row](const Row &r) { return r.formName == row.formName; });
    list.insert(last == list.crend() ? list.size() : list.crend() - last, std::move(row));
}

void ReportModel::savePage(int page, const QList<PointKey> &alsoPoints) const
{
    const QString form = formNameForPage(page);
    QList<Row> pageRows;
    for (const QString &point : m_pointOrder.value(page)) {
        for (const Row &row : rows(page, point)) {
            if (row.formName == form)
                pageRows << row;
        }
    }
    Transaction transaction(host().DBObj());
    ClauseStore::deletePage(m_key, page);
    for (const PointKey &other : alsoPoints) {
        const QString otherForm = other.formName.isEmpty() ? formNameForPage(other.page) : other.formName;
        ClauseStore::deletePoint(m_key, other.page, other.point, otherForm);
        pageRows << rows(other.page, other.point, otherForm);
    }
    ClauseStore::insertStoredRows(m_key, pageRows);
    transaction.commit();
}
