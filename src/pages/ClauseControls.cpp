#include "ClauseControls.h"

#include "WidgetValues.h"
#include "host/HostContext.h"
#include "store/Database.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QAbstractItemView>

namespace ClauseStore
{

namespace
{

using WidgetValues::Kind;

// "chkNA18" -> "NA18"; "Annex18" keeps its name.
QString checkPoint(const QString &name)
{
    if (name.startsWith(QLatin1String("Annex")))
        return name;
    QString point = name;
    point.remove(QStringLiteral("chk"));
    return point;
}

QString optionValue(const QWidget *w)
{
    return static_cast<const QRadioButton *>(w)->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No");
}

QList<QStringList> gridRows(const QAbstractItemView *grid)
{
    const int rowCount = WidgetValues::rowCount(grid);
    const int columnCount = WidgetValues::columnCount(grid);
    QList<QStringList> rows;
    rows.reserve(rowCount);
    for (int r = 0; r < rowCount; ++r) {
        QStringList row;
        row.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c)
            row << WidgetValues::cellText(grid, r, c).trimmed();
        rows << row;
    }
    return rows;
}

} // namespace

void SaveClauseControl(QWidget *control, const QString &point, int page, bool withSequence)
{
    switch (WidgetValues::kindOf(control)) {
    case Kind::Grid:
        insertRows(page, point, gridRows(static_cast<QAbstractItemView *>(control)), withSequence);
        break;
    case Kind::Text:
        insertRow(page, point, {WidgetValues::text(control)});
        break;
    case Kind::Option:
        insertRow(page, point, {optionValue(control)});
        break;
    case Kind::Check:
        if (page == 201)
            deleteTick(checkPoint(control->objectName()));
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
            cols << optionValue(w);
            any = true;
            break;
        case Kind::Check:
            if (page == 201)
                deleteTick(checkPoint(w->objectName()));
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

void FillCombo(QComboBox *combo, const QString &sql, const QVariantList &binds)
{
    Recordset rs = host().DBObj().Execute(sql, binds);
    combo->clear();
    const bool withData = rs.fieldCount() > 1;
    for (; !rs.Eof(); rs.MoveNext())
        combo->addItem(rs.Fields(0), withData ? QVariant(rs.Fields(1)) : QVariant());
    combo->setCurrentIndex(-1);
}

} // namespace ClauseStore
