#include "ReportModel.h"

#include "host/HostContext.h"
#include "store/Database.h"

#include <QSqlQuery>
#include <algorithm>

namespace
{

QString valueColumnList(int count)
{
    QStringList cols;
    for (int i = 1; i <= count; ++i)
        cols << QStringLiteral("Col%1").arg(i);
    return cols.join(u',');
}

QString marks(int count)
{
    QStringList m;
    for (int i = 0; i < count; ++i)
        m << QStringLiteral("?");
    return m.join(u',');
}

// An empty cell is stored as no value, as the pages store it.
QVariant textOrNull(const QString &value)
{
    return value.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(value);
}

// A grid row carries its row number; one whose values are all empty is not written.
bool isEmptyGridRow(const ClauseStore::ClauseRow &row, int valueColumns)
{
    if (row.col(valueColumns).isEmpty())
        return false;
    for (int c = 1; c < valueColumns; ++c) {
        if (!row.col(c).trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace

ReportKey ReportKey::current()
{
    HostContext &h = host();
    return {h.Temp_Code(), h.yearKey(), moduleState()};
}

ReportKey ReportKey::of(const QString &client, const QString &yearKey, FormKind kind)
{
    ReportKey key{client, yearKey, {}};
    key.form.openForm(kind, yearKey);
    return key;
}

QString ReportKey::firstDate() const
{
    return QStringLiteral("01/04/%1").arg(yearKey.toInt() - 1);
}

QString ReportKey::secondDate() const
{
    return QStringLiteral("31/03/") + yearKey;
}

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
    const ModuleState &m = m_key.form;
    const int columns = m.valueColumns();
    Recordset rs = host().DBObj().Execute(
        QStringLiteral("SELECT PageNo, FormName, PointNo, %1 FROM %2 WHERE Code_No=? AND FYr=? "
                       "ORDER BY PageNo, FormName, PointNo, convert(%3,signed)")
            .arg(valueColumnList(columns), m.clauseTable, m.sequenceColumn()),
        {m_key.client, m_key.yearKey});
    for (; !rs.Eof(); rs.MoveNext()) {
        Row row;
        row.page = rs.Fields(0).toInt();
        row.formName = rs.Fields(1);
        row.point = rs.Fields(2);
        for (int i = 0; i < columns; ++i)
            row.cols << rs.Fields(3 + i);
        append(row);
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
        it = m_byPoint.insert(key, {});
    }
    return *it;
}

const QList<ReportModel::Row> &ReportModel::rows(int page, const QString &point) const
{
    static const QList<Row> none;
    const auto it = m_byPoint.constFind(keyOf(page, point));
    return it == m_byPoint.constEnd() ? none : *it;
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
    for (const QList<Row> &list : m_byPoint)
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
    emit pointChanged(page, point);
}

void ReportModel::removePoint(int page, const QString &point)
{
    if (m_byPoint.remove(keyOf(page, point)) == 0)
        return;
    m_pointOrder[page].removeAll(point);
    emit pointChanged(page, point);
}

void ReportModel::append(const Row &row)
{
    entry(row.page, row.point) << row;
}

void ReportModel::savePage(int page) const
{
    const ModuleState &m = m_key.form;
    const QString form = formNameForPage(page);
    const int columns = m.valueColumns();
    Database &db = host().DBObj();
    Transaction transaction(db);
    db.Execute(QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=? AND FormName=?")
                   .arg(m.clauseTable),
               {m_key.client, m_key.yearKey, page, form});
    QSqlQuery insert = db.prepare(
        QStringLiteral("INSERT INTO %1 (Code_No,FYr,PointNo,PageNo,FormName,%2) VALUES (?,?,?,?,?,%3)")
            .arg(m.clauseTable, valueColumnList(columns), marks(columns)));
    for (const QString &point : m_pointOrder.value(page)) {
        for (const Row &row : rows(page, point)) {
            if (row.formName != form || isEmptyGridRow(row, columns))
                continue;
            insert.bindValue(0, m_key.client);
            insert.bindValue(1, m_key.yearKey);
            insert.bindValue(2, point);
            insert.bindValue(3, page);
            insert.bindValue(4, form);
            for (int c = 0; c < columns; ++c)
                insert.bindValue(5 + c, textOrNull(row.col(c + 1)));
            db.exec(insert);
        }
    }
    transaction.commit();
}
