#include "ClauseStore.h"

#include "Database.h"
#include "ModuleState.h"
#include "ReportKey.h"
#include "host/HostContext.h"

#include <algorithm>

namespace ClauseStore
{

namespace
{

QVariant textOrNull(const QString &value)
{
    return value.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(value);
}

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

ClauseRow rowFrom(const Recordset &rs, int firstValue, int count)
{
    ClauseRow row;
    for (int i = 0; i < count; ++i)
        row.cols << rs.Fields(firstValue + i);
    return row;
}

// A grid row carries its row number; one whose values are all empty is not written.
bool isEmptyGridRow(const ClauseRow &row, int valueColumns)
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

void insertRow(int page, const QString &point, const QStringList &cols, const QString &formName)
{
    const ModuleState &m = moduleState();
    HostContext &h = host();
    const int count = std::min<int>(int(cols.size()), m.valueColumns());
    QVariantList binds{h.Temp_Code(), h.yearKey(), point, page,
                       formName.isEmpty() ? m.formNameForPage(page) : formName};
    for (int i = 0; i < count; ++i)
        binds << textOrNull(cols.at(i));
    h.DBObj().Execute(
        QStringLiteral("INSERT INTO %1 (Code_No,FYr,PointNo,PageNo,FormName%2) VALUES (?,?,?,?,?%3)")
            .arg(m.clauseTable, count ? u',' + valueColumnList(count) : QString(),
                 count ? u',' + marks(count) : QString()),
        binds);
}

void insertRows(int page, const QString &point, const QList<QStringList> &rows, bool withSequence)
{
    const ModuleState &m = moduleState();
    HostContext &h = host();
    Database &db = h.DBObj();
    const int seqNumber = m.valueColumns();
    int columns = 0;
    for (const QStringList &row : rows)
        columns = std::max(columns, int(row.size()));
    columns = std::min(columns, withSequence ? seqNumber - 1 : seqNumber);
    QString columnList = valueColumnList(columns);
    int bindCount = columns;
    if (withSequence) {
        columnList += (columns ? QStringLiteral(",") : QString()) + m.sequenceColumn();
        ++bindCount;
    }
    if (bindCount == 0)
        return;
    QSqlQuery insert = db.prepare(
        QStringLiteral("INSERT INTO %1 (Code_No,FYr,PointNo,PageNo,FormName,%2) VALUES (?,?,?,?,?,%3)")
            .arg(m.clauseTable, columnList, marks(bindCount)));
    const QString code = h.Temp_Code();
    const QString year = h.yearKey();
    const QString formName = m.formNameForPage(page);
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList &row = rows.at(r);
        // An empty grid row is not written; the others keep their place in the sequence.
        if (std::all_of(row.begin(), row.end(), [](const QString &cell) { return cell.isEmpty(); }))
            continue;
        insert.bindValue(0, code);
        insert.bindValue(1, year);
        insert.bindValue(2, point);
        insert.bindValue(3, page);
        insert.bindValue(4, formName);
        for (int c = 0; c < columns; ++c)
            insert.bindValue(5 + c, textOrNull(row.value(c)));
        if (withSequence)
            insert.bindValue(5 + columns, QString::number(r + 1));
        db.exec(insert);
    }
}

void deletePage(int page)
{
    deletePage(ReportKey::current(), page);
}

void deletePage(const ReportKey &key, int page)
{
    const ModuleState &m = key.form;
    host().DBObj().Execute(
        QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=? AND FormName=?")
            .arg(m.clauseTable),
        {key.client, key.yearKey, page, m.formNameForPage(page)});
}

void insertStoredRows(const ReportKey &key, const QList<ClauseRow> &rows)
{
    const ModuleState &m = key.form;
    const int columns = m.valueColumns();
    Database &db = host().DBObj();
    QSqlQuery insert = db.prepare(
        QStringLiteral("INSERT INTO %1 (Code_No,FYr,PointNo,PageNo,FormName,%2) VALUES (?,?,?,?,?,%3)")
            .arg(m.clauseTable, valueColumnList(columns), marks(columns)));
    for (const ClauseRow &row : rows) {
        if (isEmptyGridRow(row, columns))
            continue;
        insert.bindValue(0, key.client);
        insert.bindValue(1, key.yearKey);
        insert.bindValue(2, row.point);
        insert.bindValue(3, row.page);
        insert.bindValue(4, row.formName.isEmpty() ? m.formNameForPage(row.page) : row.formName);
        for (int c = 0; c < columns; ++c)
            insert.bindValue(5 + c, textOrNull(row.col(c + 1)));
        db.exec(insert);
    }
}

void deleteTick(const QString &point)
{
    const ModuleState &m = moduleState();
    HostContext &h = host();
    h.DBObj().Execute(
        QStringLiteral("Delete from %1 where Code_No=? and FYr=? and FormName=? and PageNo=201 and PointNo=?")
            .arg(m.clauseTable),
        {h.Temp_Code(), h.yearKey(), m.formNameForPage(201), point});
}

void deletePoint(int page, const QString &point)
{
    const ModuleState &m = moduleState();
    HostContext &h = host();
    h.DBObj().Execute(QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=? AND PointNo=?")
                          .arg(m.clauseTable),
                      {h.Temp_Code(), h.yearKey(), page, point});
}

namespace
{
QList<ClauseRow> readRows(const ReportKey &key, const QString &condition, const QVariantList &extraBinds,
                          const QString &order)
{
    const ModuleState &m = key.form;
    QVariantList binds{key.client, key.yearKey};
    binds += extraBinds;
    Recordset rs = host().DBObj().Execute(
        QStringLiteral("SELECT PageNo, FormName, PointNo, %1 FROM %2 WHERE Code_No=? AND FYr=?%3 ORDER BY %4")
            .arg(valueColumnList(m.valueColumns()), m.clauseTable, condition, order),
        binds);
    QList<ClauseRow> rows;
    for (; !rs.Eof(); rs.MoveNext()) {
        ClauseRow row = rowFrom(rs, 3, m.valueColumns());
        row.page = rs.Fields(0).toInt();
        row.formName = rs.Fields(1);
        row.point = rs.Fields(2);
        rows << row;
    }
    return rows;
}
} // namespace

QList<ClauseRow> readPoint(int page, const QString &point, bool ordered)
{
    const QString seq = moduleState().sequenceColumn();
    return readRows(ReportKey::current(), QStringLiteral(" AND PageNo=? AND PointNo=?"), {page, point},
                    ordered ? QStringLiteral("convert(%1,signed)").arg(seq) : QStringLiteral("PointNo"));
}

QList<ClauseRow> readPage(int page)
{
    return readRows(ReportKey::current(), QStringLiteral(" AND PageNo=? AND FormName=?"),
                    {page, moduleState().formNameForPage(page)},
                    QStringLiteral("convert(%1,signed)").arg(moduleState().sequenceColumn()));
}

QList<ClauseRow> readAll()
{
    return readAll(ReportKey::current());
}

QList<ClauseRow> readAll(const ReportKey &key)
{
    return readRows(
        key, QString(), {},
        QStringLiteral("PageNo, FormName, PointNo, convert(%1,signed)").arg(key.form.sequenceColumn()));
}

} // namespace ClauseStore
