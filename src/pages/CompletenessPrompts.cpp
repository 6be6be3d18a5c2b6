#include "CompletenessPrompts.h"

#include "ClauseGrid.h"
#include "WidgetValues.h"
#include "base/Prompt.h"
#include "model/ClauseGridModel.h"
#include "model/rules/ClauseCompleteness.h"
#include "model/rules/ClauseMessages.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>

namespace CompletenessPrompts
{

namespace
{
std::function<void(int)> &navigator()
{
    static std::function<void(int)> n;
    return n;
}
} // namespace

void setNavigator(std::function<void(int page)> n)
{
    navigator() = std::move(n);
}

int pageOf(const QWidget *control)
{
    static const QRegularExpression pageName(QStringLiteral("^frmPage(\\d+)"));
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        const auto match = pageName.match(w->objectName());
        if (match.hasMatch())
            return match.captured(1).toInt();
    }
    return 0;
}

void showControl(QWidget *control)
{
    const int page = pageOf(control);
    if (page > 0 && navigator())
        navigator()(page);
    // The tab that holds the control comes to the front and the page scrolls to it, so that
    // the box a message names is the one in view.
    for (QWidget *w = control->parentWidget(); w; w = w->parentWidget()) {
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->widget(i)->isAncestorOf(control))
                    tabs->setCurrentIndex(i);
            }
        }
    }
    for (QWidget *w = control->parentWidget(); w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(w))
            area->ensureWidgetVisible(control);
    }
    control->setFocus(Qt::OtherFocusReason);
}

bool refuse(QWidget *control, const QString &message)
{
    static bool refusing = false;
    if (refusing)
        return false;
    const QScopedValueRollback<bool> once(refusing, true);
    showControl(control);
    prompts().inform(message);
    control->setFocus(Qt::OtherFocusReason);
    return false;
}

bool showFinding(QWidget *control, const std::optional<ReportFinding> &finding)
{
    if (!finding)
        return true;
    showControl(control);
    if (finding->kind != ReportFinding::Kind::Blank) {
        prompts().inform(finding->message);
        return false;
    }
    if (WidgetValues::kindOf(control) != WidgetValues::Kind::Grid) {
        if (prompts().askYesNo(ClauseMessages::updateBlankText(finding->clause),
                               QStringLiteral("Form 3CD"))) {
            control->setFocus(Qt::OtherFocusReason);
            return false;
        }
        WidgetValues::setText(control, QStringLiteral("Nil"));
        return true;
    }
    if (prompts().askYesNo(ClauseMessages::updateBlankGrid(finding->clause)))
        return false;
    auto *grid = static_cast<QAbstractItemView *>(control);
    WidgetValues::setRowCount(grid, 0);
    WidgetValues::setRowCount(grid, 1);
    for (int c = 0; c < WidgetValues::columnCount(grid); ++c)
        WidgetValues::setCellText(grid, 0, c, QStringLiteral("Nil"));
    return true;
}

} // namespace CompletenessPrompts

namespace
{

std::optional<ReportFinding> gridFinding(const QTableView *grid, const QString &label, bool mandatory,
                                         const QSet<int> &optionalColumns)
{
    ClauseCompleteness::GridShape shape;
    shape.columns = WidgetValues::columnCount(grid);
    shape.skipped = optionalColumns;
    for (int c = 0; c < shape.columns; ++c) {
        if (grid->isColumnHidden(c))
            shape.skipped.insert(c);
    }
    // A clause grid shows its point's rows in a report model: the check reads them there.
    if (const auto *clauseGrid = qobject_cast<const ClauseGrid *>(grid)) {
        const ClauseGridModel *rows = clauseGrid->gridModel();
        return ClauseCompleteness::gridAt(rows->report(), rows->page(), rows->point(), shape, label,
                                          mandatory);
    }
    QList<QStringList> rows;
    for (int r = 0; r < WidgetValues::rowCount(grid); ++r) {
        QStringList cells;
        for (int c = 0; c < shape.columns; ++c)
            cells << WidgetValues::cellText(grid, r, c);
        rows << cells;
    }
    return ClauseCompleteness::grid(rows, shape, label, mandatory);
}

} // namespace

bool CheckClause(QWidget *control, const QString &label, const QCheckBox *notApplicable, bool mandatory,
                 const QSet<int> &optionalColumns)
{
    using CompletenessPrompts::showFinding;
    switch (WidgetValues::kindOf(control)) {
    case WidgetValues::Kind::Text:
        return showFinding(control, ClauseCompleteness::text(WidgetValues::text(control), label, mandatory));
    case WidgetValues::Kind::Combo:
        return showFinding(control, ClauseCompleteness::combo(WidgetValues::text(control), label));
    case WidgetValues::Kind::Grid: {
        const auto *grid = static_cast<QTableView *>(control);
        if ((notApplicable && notApplicable->isChecked()) || !grid->isEnabled())
            return true;
        return showFinding(control, gridFinding(grid, label, mandatory, optionalColumns));
    }
    default:
        return true;
    }
}
