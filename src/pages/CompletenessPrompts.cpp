#include "CompletenessPrompts.h"

#include "WidgetValues.h"
#include "base/Prompt.h"
#include "catalogue/Vocabulary.h"
#include "model/rules/ClauseMessages.h"

#include <QCheckBox>
#include <QComboBox>
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

} // namespace CompletenessPrompts

namespace
{

using CompletenessPrompts::showControl;

bool checkText(QWidget *text, const QString &label, bool mandatory)
{
    if (!WidgetValues::text(text).isEmpty())
        return true;
    showControl(text);
    if (mandatory) {
        prompts().inform(ClauseMessages::fill(label));
        return false;
    }
    const QString question = QStringLiteral("Clause ") + label +
                             QStringLiteral(" is blank or incomplete. Do you want to update the clause?") +
                             QStringLiteral("\nSelect \"Yes\" to update") +
                             QStringLiteral("\nSelect \"No\" if no information");
    if (prompts().askYesNo(question, QStringLiteral("Form 3CD"))) {
        text->setFocus(Qt::OtherFocusReason);
        return false;
    }
    WidgetValues::setText(text, QStringLiteral("Nil"));
    return true;
}

bool checkCombo(QComboBox *combo, const QString &label)
{
    if (!WidgetValues::text(combo).isEmpty())
        return true;
    showControl(combo);
    prompts().inform(ClauseMessages::incomplete(label));
    return false;
}

bool checkGrid(QTableView *grid, const QString &label, const QCheckBox *notApplicable, bool mandatory,
               const QSet<int> &optionalColumns, const std::function<QSet<int>(int)> &exceptionColumns)
{
    if ((notApplicable && notApplicable->isChecked()) || !grid->isEnabled())
        return true;
    bool anyData = false;
    bool partlyEmpty = false;
    for (int r = 0; r < WidgetValues::rowCount(grid); ++r) {
        if (WidgetValues::rowIsEmpty(grid, r))
            continue;
        if (Vocabulary::isMarker(WidgetValues::cellText(grid, r, 0)))
            return true;
        anyData = true;
        const QSet<int> excepted = exceptionColumns ? exceptionColumns(r) : QSet<int>();
        for (int c = 0; c < WidgetValues::columnCount(grid); ++c) {
            if (!grid->isColumnHidden(c) && !optionalColumns.contains(c) && !excepted.contains(c) &&
                WidgetValues::cellText(grid, r, c).trimmed().isEmpty())
                partlyEmpty = true;
        }
    }
    if (!anyData) {
        showControl(grid);
        if (mandatory) {
            prompts().inform(ClauseMessages::fill(label));
            return false;
        }
        const QString question = QStringLiteral("Clause ") + label +
                                 QStringLiteral(" is blank. Do you want to update Clause ") + label +
                                 QStringLiteral("?") + QStringLiteral("\nSelect 'YES', to update the field") +
                                 QStringLiteral("\nSelect 'NO', if no information");
        if (prompts().askYesNo(question))
            return false;
        WidgetValues::setRowCount(grid, 0);
        WidgetValues::setRowCount(grid, 1);
        for (int c = 0; c < WidgetValues::columnCount(grid); ++c)
            WidgetValues::setCellText(grid, 0, c, QStringLiteral("Nil"));
        return true;
    }
    if (partlyEmpty && mandatory) {
        showControl(grid);
        prompts().inform(ClauseMessages::incomplete(label));
        return false;
    }
    return true;
}

} // namespace

bool CheckClause(QWidget *control, const QString &label, const QCheckBox *notApplicable, bool mandatory,
                 const QSet<int> &optionalColumns, const std::function<QSet<int>(int row)> &exceptionColumns)
{
    switch (WidgetValues::kindOf(control)) {
    case WidgetValues::Kind::Text:
        return checkText(control, label, mandatory);
    case WidgetValues::Kind::Combo:
        return checkCombo(static_cast<QComboBox *>(control), label);
    case WidgetValues::Kind::Grid:
        return checkGrid(static_cast<QTableView *>(control), label, notApplicable, mandatory, optionalColumns,
                         exceptionColumns);
    default:
        return true;
    }
}
