#include "ClauseControls.h"
#include "catalogue/Vocabulary.h"

#include "ClauseGrid.h"
#include "WidgetValues.h"
#include "host/HostContext.h"
#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "store/Database.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <algorithm>

namespace ClauseStore
{

namespace
{

using WidgetValues::Kind;

QString optionValue(const QWidget *w)
{
    return Vocabulary::spelt(static_cast<const QRadioButton *>(w)->isChecked());
}

// The grid's non-empty rows, cells trimmed; with a sequence each row keeps its place in the
// grid in the sequence column, so the numbers ascend but may skip an empty row.
QList<QStringList> gridRows(const QAbstractItemView *grid, int valueColumns, bool withSequence)
{
    const int rowCount = WidgetValues::rowCount(grid);
    const int columnCount =
        std::min(WidgetValues::columnCount(grid), withSequence ? valueColumns - 1 : valueColumns);
    QList<QStringList> rows;
    rows.reserve(rowCount);
    for (int r = 0; r < rowCount; ++r) {
        QStringList row;
        row.reserve(valueColumns);
        bool empty = true;
        for (int c = 0; c < columnCount; ++c) {
            row << WidgetValues::cellText(grid, r, c).trimmed();
            empty = empty && row.constLast().isEmpty();
        }
        if (empty)
            continue;
        if (withSequence) {
            row.resize(valueColumns - 1);
            row << QString::number(r + 1);
        }
        rows << row;
    }
    return rows;
}

// Whether the grid shows the point's rows of the page in the report itself.
bool showsRowsOf(const QWidget *control, const ReportModel &report, int page, const QString &point)
{
    const auto *grid = qobject_cast<const ClauseGrid *>(control);
    const ClauseGridModel *model = grid ? grid->gridModel() : nullptr;
    return model && &model->report() == &report && model->page() == page && model->point() == point;
}

} // namespace

void SaveClauseControl(ReportModel &report, QWidget *control, const QString &point, int page,
                       bool withSequence)
{
    switch (WidgetValues::kindOf(control)) {
    case Kind::Grid:
        if (!showsRowsOf(control, report, page, point))
            report.setRows(page, point,
                           gridRows(static_cast<QAbstractItemView *>(control),
                                    report.key().form.valueColumns(), withSequence));
        break;
    case Kind::Text:
        report.setRows(page, point, {{WidgetValues::text(control)}});
        break;
    case Kind::Option:
        report.setRows(page, point, {{optionValue(control)}});
        break;
    case Kind::Check:
        report.setRows(page, point, {{WidgetValues::checkValue(control)}});
        break;
    case Kind::Combo:
    case Kind::Other:
        break;
    }
}

void SaveControlArray(ReportModel &report, const QString &point, int page, const QList<QWidget *> &controls)
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
            cols << WidgetValues::checkValue(w);
            any = true;
            break;
        default:
            cols << QString();
            break;
        }
    }
    if (any)
        report.setRows(page, point, {cols});
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
