#include "ClauseStore.h"

#include "Database.h"
#include "ModuleState.h"
#include "WidgetValues.h"
#include "host/HostContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTableWidget>

namespace ClauseStore
{

namespace
{

using WidgetValues::Kind;

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

// "chkNA18" -> "NA18"; "Annex18" keeps its name.
QString checkPoint(const QString &name)
{
    if (name.startsWith(QLatin1String("Annex")))
        return name;
    QString point = name;
    point.remove(QStringLiteral("chk"));
    return point;
}

ClauseRow rowFrom(const Recordset &rs, int firstValue, int count)
{
    ClauseRow row;
    for (int i = 0; i < count; ++i)
        row.cols << rs.Fields(firstValue + i);
    return row;
}

QList<QStringList> selectPointValues(const QString &point, int page, bool ordered)
{
    const ModuleState &m = moduleState();
    HostContext &h = host();
    QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE Code_No=? AND FYr=? AND PageNo=? AND PointNo=?")
                      .arg(valueColumnList(m.valueColumns()), m.clauseTable);
    if (ordered)
        sql += QStringLiteral(" order by convert(%1,signed)").arg(m.sequenceColumn());
    Recordset rs = h.DBObj().Execute(sql, {h.Temp_Code(), h.yearKey(), page, point});
    QList<QStringList> rows;
    for (; !rs.Eof(); rs.MoveNext())
        rows << rowFrom(rs, 0, m.valueColumns()).cols;
    return rows;
}

void fillGrid(QTableWidget *grid, const QList<QStringList> &rows)
{
    grid->setUpdatesEnabled(false);
    grid->setRowCount(0);
    grid->setRowCount(int(rows.size()));
    const int columns = grid->columnCount();
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList &cells = rows.at(r);
        for (int c = 0; c < columns && c < cells.size(); ++c) {
            if (!cells.at(c).isEmpty())
                grid->setItem(r, c, new QTableWidgetItem(cells.at(c)));
        }
    }
    grid->setUpdatesEnabled(true);
}

void applyValue(QWidget *control, Kind kind, const QList<QStringList> &rows)
{
    const QString first = rows.isEmpty() ? QString() : rows.first().value(0);
    switch (kind) {
    case Kind::Grid:
        fillGrid(static_cast<QTableWidget *>(control), rows);
        break;
    case Kind::Text:
    case Kind::Combo:
        WidgetValues::setText(control, first);
        break;
    case Kind::Check:
        WidgetValues::setCheckValue(control, first);
        break;
    case Kind::Option:
        WidgetValues::setOption(static_cast<QRadioButton *>(control), first == QLatin1String("Yes"));
        break;
    case Kind::Other:
        break;
    }
}

void deleteTick(const QString &name)
{
    const ModuleState &m = moduleState();
    HostContext &h = host();
    h.DBObj().Execute(
        QStringLiteral("Delete from %1 where Code_No=? and FYr=? and FormName=? and PageNo=201 and PointNo=?")
            .arg(m.clauseTable),
        {h.Temp_Code(), h.yearKey(), m.formNameForPage(201), checkPoint(name)});
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

void SaveClauseControl(QWidget *control, const QString &point, int page, bool withSequence)
{
    const Kind kind = WidgetValues::kindOf(control);
    switch (kind) {
    case Kind::Grid: {
        auto *grid = static_cast<QTableWidget *>(control);
        const ModuleState &m = moduleState();
        HostContext &h = host();
        Database &db = h.DBObj();
        const int seqNumber = m.valueColumns();
        const int columns = std::min(grid->columnCount(), withSequence ? seqNumber - 1 : seqNumber);
        QString columnList = valueColumnList(columns);
        int bindCount = columns;
        if (withSequence) {
            columnList += u',' + m.sequenceColumn();
            ++bindCount;
        }
        QSqlQuery insert = db.prepare(
            QStringLiteral("INSERT INTO %1 (Code_No,FYr,PointNo,PageNo,FormName,%2) VALUES (?,?,?,?,?,%3)")
                .arg(m.clauseTable, columnList, marks(bindCount)));
        const QString code = h.Temp_Code();
        const QString year = h.yearKey();
        const QString formName = m.formNameForPage(page);
        for (int r = 0; r < grid->rowCount(); ++r) {
            bool any = false;
            insert.bindValue(0, code);
            insert.bindValue(1, year);
            insert.bindValue(2, point);
            insert.bindValue(3, page);
            insert.bindValue(4, formName);
            for (int c = 0; c < columns; ++c) {
                const QString cell = WidgetValues::cellText(grid, r, c).trimmed();
                any = any || !cell.isEmpty();
                insert.bindValue(5 + c, textOrNull(cell));
            }
            if (!any)
                continue;
            if (withSequence)
                insert.bindValue(5 + columns, QString::number(r + 1));
            db.exec(insert);
        }
        break;
    }
    case Kind::Text:
        insertRow(page, point, {WidgetValues::text(control)});
        break;
    case Kind::Option:
        insertRow(page, point,
                  {static_cast<QRadioButton *>(control)->isChecked() ? QStringLiteral("Yes")
                                                                     : QStringLiteral("No")});
        break;
    case Kind::Check:
        if (page == 201)
            deleteTick(control->objectName());
        insertRow(page, point, {WidgetValues::checkValue(control)});
        break;
    case Kind::Combo:
    case Kind::Other:
        break;
    }
}

void SaveControlArray(const QString &point, int page, const QList<QWidget *> &controls)
{
    QStringList cols;
    bool any = false;
    for (QWidget *w : controls) {
        switch (WidgetValues::kindOf(w)) {
        case Kind::Text:
            cols << WidgetValues::text(w);
            any = true;
            break;
        case Kind::Option:
            cols << (static_cast<QRadioButton *>(w)->isChecked() ? QStringLiteral("Yes")
                                                                 : QStringLiteral("No"));
            any = true;
            break;
        case Kind::Check:
            if (page == 201)
                deleteTick(w->objectName());
            cols << WidgetValues::checkValue(w);
            any = true;
            break;
        default:
            cols << QString();
            break;
        }
    }
    if (any)
        insertRow(page, point, cols);
}

void LoadClauseControl(QWidget *control, const QString &point, int page, bool ordered)
{
    const Kind kind = WidgetValues::kindOf(control);
    if (kind == Kind::Other)
        return;
    applyValue(control, kind, selectPointValues(point, page, ordered));
}

void LoadControlArray(const QString &point, int page, const QList<QWidget *> &controls)
{
    const QList<QStringList> rows = selectPointValues(point, page, true);
    const QStringList first = rows.isEmpty() ? QStringList() : rows.first();
    for (int k = 0; k < controls.size(); ++k) {
        QWidget *w = controls.at(k);
        const Kind kind = WidgetValues::kindOf(w);
        if (kind == Kind::Grid || kind == Kind::Other)
            continue;
        applyValue(w, kind, {QStringList{first.value(k)}});
    }
}

void LoadPageByNames(QWidget *pageWindow, int page)
{
    QHash<QString, QList<QStringList>> byPoint;
    for (const ClauseRow &row : readPage(page))
        byPoint[row.point] << row.cols;
    QHash<QString, QString> ticks;
    {
        const ModuleState &m = moduleState();
        HostContext &h = host();
        Recordset rs = h.DBObj().Execute(
            QStringLiteral("SELECT PointNo, Col1 FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=201")
                .arg(m.clauseTable),
            {h.Temp_Code(), h.yearKey()});
        for (; !rs.Eof(); rs.MoveNext())
            ticks.insert(rs.Fields(0), rs.Fields(1));
    }

    const QList<QWidget *> children = pageWindow->findChildren<QWidget *>();
    for (QWidget *w : children) {
        const QString name = w->objectName();
        if (name.isEmpty())
            continue;
        switch (WidgetValues::kindOf(w)) {
        case Kind::Grid:
        case Kind::Text:
        case Kind::Combo: {
            const QString point = WidgetValues::pointOfName(name);
            const auto rows = byPoint.value(point);
            if (WidgetValues::kindOf(w) == Kind::Grid)
                fillGrid(static_cast<QTableWidget *>(w), rows);
            else if (!rows.isEmpty() || WidgetValues::kindOf(w) == Kind::Text)
                WidgetValues::setText(w, rows.isEmpty() ? QString() : rows.first().value(0));
            break;
        }
        case Kind::Option: {
            static const QStringList prefixes{QStringLiteral("OptButYes"), QStringLiteral("OptButNo"),
                                              QStringLiteral("OptButNA")};
            static const QStringList words{QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("NA")};
            for (int i = 0; i < prefixes.size(); ++i) {
                if (!name.startsWith(prefixes.at(i), Qt::CaseInsensitive))
                    continue;
                const QString point = QStringLiteral("Opt") + name.mid(prefixes.at(i).size());
                const auto rows = byPoint.value(point);
                const QString value = rows.isEmpty() ? QString() : rows.first().value(0);
                WidgetValues::setOption(static_cast<QRadioButton *>(w), value == words.at(i));
                break;
            }
            break;
        }
        case Kind::Check: {
            if (name == QLatin1String("chkFAChart"))
                break;
            const QString point = checkPoint(name);
            QString value = ticks.value(point);
            if (!ticks.contains(point) && byPoint.contains(point))
                value = byPoint.value(point).first().value(0);
            WidgetValues::setCheckValue(w, value.isEmpty() ? QStringLiteral("0") : value);
            break;
        }
        case Kind::Other:
            break;
        }
    }
}

void ClearPage(QWidget *pageWindow)
{
    const QList<QWidget *> children = pageWindow->findChildren<QWidget *>();
    for (QWidget *w : children) {
        switch (WidgetValues::kindOf(w)) {
        case Kind::Grid: {
            auto *grid = static_cast<QTableWidget *>(w);
            grid->setRowCount(0);
            grid->setRowCount(1);
            break;
        }
        case Kind::Text:
            WidgetValues::setText(w, QString());
            break;
        case Kind::Combo:
            static_cast<QComboBox *>(w)->setCurrentIndex(-1);
            break;
        case Kind::Option:
            WidgetValues::setOption(static_cast<QRadioButton *>(w), false);
            break;
        default:
            break;
        }
    }
}

QString LookupValue(const QString &field, const QString &table, const QString &condition,
                    const QVariantList &binds)
{
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(field, table);
    if (!condition.isEmpty())
        sql += QStringLiteral(" WHERE ") + condition;
    Recordset rs = host().DBObj().Execute(sql, binds);
    return rs.Eof() ? QString() : rs.Fields(0);
}

void FillCombo(QComboBox *combo, const QString &sql, const QVariantList &binds)
{
    Recordset rs = host().DBObj().Execute(sql, binds);
    combo->clear();
    const bool withData = rs.fieldCount() > 1;
    for (; !rs.Eof(); rs.MoveNext())
        combo->addItem(rs.Fields(0), withData ? QVariant(rs.Fields(1)) : QVariant());
    combo->setCurrentIndex(-1);
}

void deletePage(int page)
{
    const ModuleState &m = moduleState();
    HostContext &h = host();
    h.DBObj().Execute(QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=? AND FormName=?")
                          .arg(m.clauseTable),
                      {h.Temp_Code(), h.yearKey(), page, m.formNameForPage(page)});
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
QList<ClauseRow> readRows(const QString &condition, const QVariantList &extraBinds, const QString &order)
{
    const ModuleState &m = moduleState();
    HostContext &h = host();
    QVariantList binds{h.Temp_Code(), h.yearKey()};
    binds += extraBinds;
    Recordset rs = h.DBObj().Execute(
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
    return readRows(QStringLiteral(" AND PageNo=? AND PointNo=?"), {page, point},
                    ordered ? QStringLiteral("convert(%1,signed)").arg(seq) : QStringLiteral("PointNo"));
}

QList<ClauseRow> readPage(int page)
{
    return readRows(QStringLiteral(" AND PageNo=? AND FormName=?"),
                    {page, moduleState().formNameForPage(page)},
                    QStringLiteral("convert(%1,signed)").arg(moduleState().sequenceColumn()));
}

QList<ClauseRow> readAll()
{
    return readRows(
        QString(), {},
        QStringLiteral("PageNo, FormName, PointNo, convert(%1,signed)").arg(moduleState().sequenceColumn()));
}

} // namespace ClauseStore
