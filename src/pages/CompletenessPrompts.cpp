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

bool CheckClause(ClauseGrid *grid, const QString &label, const QCheckBox *notApplicable, bool mandatory,
                 const QSet<int> &optionalColumns)
{
    if (!grid || (notApplicable && notApplicable->isChecked()) || !grid->isEnabled())
        return true;
    ClauseCompleteness::GridShape shape;
    shape.columns = grid->columnCount();
    shape.skipped = optionalColumns;
    for (int c = 0; c < shape.columns; ++c) {
        if (grid->isColumnHidden(c))
            shape.skipped.insert(c);
    }
    const ClauseGridModel *rows = grid->gridModel();
    return CompletenessPrompts::showFinding(
        grid,
        ClauseCompleteness::gridAt(rows->report(), rows->page(), rows->point(), shape, label, mandatory));
}
