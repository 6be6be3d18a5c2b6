#include "ClausePage.h"

#include "ClauseGrid.h"
#include "ClauseSection.h"
#include "CompletenessPrompts.h"
#include "PageEdits.h"
#include "base/Prompt.h"
#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "model/rules/SaveRules.h"
#include "store/ClauseStore.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

const char kSharedReport[] = "talvexSharedReport";

ReportModel *sharedReport(const QWidget *placed)
{
    for (const QWidget *w = placed; w; w = w->parentWidget()) {
        if (auto *report = qobject_cast<ReportModel *>(w->property(kSharedReport).value<QObject *>()))
            return report;
    }
    return nullptr;
}

// The controls inside a widget that Tab stops at, in the order Tab meets them now.
QList<QWidget *> tabStops(QWidget *root)
{
    QList<QWidget *> stops;
    if ((root->focusPolicy() & Qt::TabFocus) && !root->focusProxy())
        stops << root;
    for (QWidget *w = root->nextInFocusChain(); w != root; w = w->nextInFocusChain()) {
        if (root->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            stops << w;
    }
    return stops;
}

// Scrolls the page as little as shows what has the focus. In a grid that is its current
// cell: a grid taller or wider than the page is not pulled about as it is typed into.
void showFocused(QScrollArea &scroll, QWidget &content, QWidget &focused)
{
    QRect target(focused.mapTo(&content, QPoint(0, 0)), focused.size());
    for (QWidget *w = &focused; w && w != &content; w = w->parentWidget()) {
        if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
            const QRect shown = view->viewport()->rect();
            const QRect cell = view->visualRect(view->currentIndex()).intersected(shown);
            const QRect part = cell.isEmpty() ? shown.intersected(QRect(0, 0, shown.width(), 48)) : cell;
            target = QRect(view->viewport()->mapTo(&content, part.topLeft()), part.size());
            break;
        }
    }
    const QRect visible(-content.pos(), scroll.viewport()->size());
    if (visible.contains(target))
        return;
    const int margin = 8;
    scroll.ensureVisible(target.center().x(), target.center().y(),
                         std::min(target.width() / 2 + margin, visible.width() / 2),
                         std::min(target.height() / 2 + margin, visible.height() / 2));
}

} // namespace

void ClausePage::shareReport(QWidget *holder, ReportModel *report)
{
    holder->setProperty(kSharedReport, QVariant::fromValue(static_cast<QObject *>(report)));
}

ClausePage::ClausePage(const Catalogue::Page &page, int slot, int pageNo, QWidget *parent)
    : QWidget(parent), m_page(page), m_slot(slot), m_pageNo(pageNo), m_report(sharedReport(parent)),
      m_edits(new PageEdits(this))
{
    if (!m_report) {
        m_ownReport = std::make_unique<ReportModel>(ReportKey::current());
        m_report = m_ownReport.get();
        try {
            m_ownReport->reload();
        } catch (const DbError &e) {
            prompts().message(e.message(), {}, PromptIcon::Critical);
        }
    }
    setObjectName(pageNo == 101 ? QStringLiteral("frmPage1CB") : QStringLiteral("frmPage%1").arg(slot));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *title = new QLabel(
        QStringLiteral("<b>Page %1</b>&nbsp;&nbsp;%2").arg(slot).arg(page.title.toHtmlEscaped()), this);
    outer->addWidget(title);

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget(scroll);
    m_body = new QVBoxLayout(content);
    for (const Catalogue::Clause &clause : page.clauses) {
        auto *section = new ClauseSection(clause, m_lists, content, m_report, pageNo);
        connect(section, &ClauseSection::gridEdited, this, &ClausePage::setAfterEdit);
        m_body->addWidget(section);
        m_sections << section;
    }
    m_body->addStretch();
    scroll->setWidget(content);
    // Whatever takes the focus (by Tab, Enter or a completeness prompt) is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [scroll, content](QWidget *, QWidget *now) {
        if (now && content->isAncestorOf(now))
            showFocused(*scroll, *content, *now);
    });
    outer->addWidget(scroll, 1);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("lblHint"));
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_hint->setStyleSheet(QStringLiteral("color: #1a4f8b;"));
    // Two lines are kept for the hints whether one shows or not: a hint that came and went
    // would move the page under the mouse.
    m_hint->setFixedHeight(2 * m_hint->fontMetrics().lineSpacing() + 4);
    outer->addWidget(m_hint);
    for (ClauseSection *s : std::as_const(m_sections))
        connect(s, &ClauseSection::hintChanged, m_hint, &QLabel::setText);

    // Enter moves from one control to the next outside the grids.
    for (QWidget *w : content->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
            qobject_cast<QAbstractButton *>(w))
            w->installEventFilter(this);
    }
}

ClausePage::~ClausePage() = default;

void ClausePage::tabInShownOrder()
{
    QWidget *last = nullptr;
    const auto follow = [&last](QWidget *w) {
        for (QWidget *stop : tabStops(w)) {
            if (last)
                QWidget::setTabOrder(last, stop);
            last = stop;
        }
    };
    for (int i = 0; i < m_body->count(); ++i) {
        QWidget *w = m_body->itemAt(i)->widget();
        auto *tabs = qobject_cast<QTabWidget *>(w);
        if (!tabs) {
            if (w)
                follow(w);
            continue;
        }
        // A tab's own scroll area is no stop: Tab goes from the tabs to what the tab shows.
        follow(tabs->tabBar());
        for (int t = 0; t < tabs->count(); ++t) {
            QWidget *content = tabs->widget(t);
            if (auto *scroll = qobject_cast<QScrollArea *>(content)) {
                scroll->setFocusPolicy(Qt::NoFocus);
                content = scroll->widget();
            }
            for (int k = 0; content && content->layout() && k < content->layout()->count(); ++k) {
                if (QWidget *shown = content->layout()->itemAt(k)->widget())
                    follow(shown);
            }
        }
    }
}

ClauseSection *ClausePage::section(const QString &key) const
{
    for (ClauseSection *s : m_sections) {
        if (s->clause().key == key)
            return s;
    }
    return nullptr;
}

void ClausePage::addNotice(const QString &text)
{
    auto *notice = new QLabel(text, this);
    notice->setObjectName(QStringLiteral("lblNotice"));
    notice->setWordWrap(true);
    m_body->insertWidget(0, notice);
}

bool ClausePage::SaveData()
{
    // The page's own rules speak first; a value of the wrong shape is refused either way.
    if (moduleState().saveWithValidation ? !(validateForm(true) && checkValues()) : !checkValues())
        return false;
    // A page without clauses of its own leaves its stored rows as they are.
    if (m_sections.isEmpty())
        return true;
    try {
        storeRows();
        m_edits->watch(this);
        return true;
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    }
}

void ClausePage::storeRows()
{
    putRows();
    report().savePage(m_pageNo, otherPoints());
}

void ClausePage::putRows()
{
    ReportModel &rows = report();
    // Whatever the grids do not show is put in afresh from the controls.
    QSet<QString> gridPoints;
    for (const ClauseGrid *grid : findChildren<ClauseGrid *>()) {
        const ClauseGridModel *model = grid->gridModel();
        if (&model->report() == &rows && model->page() == m_pageNo)
            gridPoints << model->point();
    }
    for (const QString &point : rows.points(m_pageNo)) {
        if (!gridPoints.contains(point))
            rows.removePoint(m_pageNo, point);
    }
    for (const ReportModel::PointKey &other : otherPoints())
        rows.removePoint(other.page, other.point);
    writeRows();
    SaveRules::apply(rows, m_pageNo);
}

void ClausePage::writeRows()
{
    for (ClauseSection *s : std::as_const(m_sections))
        s->save(report(), m_pageNo);
}

QHash<QString, QList<QStringList>> ClausePage::rowsOf(int page) const
{
    const ReportModel &model = report();
    const QString form = model.formNameForPage(page);
    QHash<QString, QList<QStringList>> rows;
    for (const QString &point : model.points(page)) {
        for (const ReportModel::Row &row : model.rows(page, point)) {
            if (row.formName == form)
                rows[point] << row.cols;
        }
    }
    return rows;
}

QList<ReportModel::PointKey> ClausePage::otherPoints() const
{
    QList<ReportModel::PointKey> points;
    for (ClauseSection *s : m_sections)
        points << s->otherPoints();
    return points;
}

bool ClausePage::checkValues()
{
    for (ClauseSection *s : std::as_const(m_sections)) {
        if (!s->checkValues())
            return false;
    }
    return true;
}

void ClausePage::trackEdits()
{
    m_edits->watch(this);
    try {
        if (!ClauseStore::hasRows(m_pageNo))
            m_edits->markChanged();
    } catch (const DbError &) {
        m_edits->markChanged();
    }
}

bool ClausePage::hasUnsavedChanges() const
{
    return m_edits->changed();
}

QWidget *ClausePage::controlOf(const ReportFinding &finding) const
{
    for (ClauseGrid *grid : findChildren<ClauseGrid *>()) {
        if (grid->gridModel()->point() == finding.point)
            return grid;
    }
    QStringList names;
    if (const Catalogue::Control *control = ClauseCatalogue::instance().controlOf(m_pageNo, finding.point)) {
        for (const Catalogue::Field &field : control->fields) {
            if (!finding.item.isEmpty() && field.caption == finding.item)
                names << field.name;
        }
        names << control->name;
    }
    if (finding.point.startsWith(QLatin1String("Opt")))
        names << QStringLiteral("OptButYes") + finding.point.mid(3);
    names << QStringLiteral("grd") + finding.point << QStringLiteral("txt") + finding.point
          << QStringLiteral("cbo") + finding.point;
    for (const QString &name : std::as_const(names)) {
        if (QWidget *control = name.isEmpty() ? nullptr : findChild<QWidget *>(name))
            return control;
    }
    return nullptr;
}

bool ClausePage::passes(Rule rule, QWidget *control)
{
    putRows();
    const std::optional<ReportFinding> found = rule(report());
    return !found || refuseAt(*found, control);
}

bool ClausePage::refuseAt(const ReportFinding &finding, QWidget *control)
{
    if (!control)
        control = controlOf(finding);
    if (!control) {
        prompts().inform(finding.message);
        return false;
    }
    if (auto *grid = qobject_cast<ClauseGrid *>(control); grid && finding.row > 0)
        grid->setCurrentCell(finding.row - 1, std::max(0, finding.column));
    // Said once: a box left as the message takes its focus is not refused again meanwhile.
    return CompletenessPrompts::refuse(control, finding.message);
}

bool ClausePage::validateForm(bool)
{
    putRows();
    for (ClauseSection *s : std::as_const(m_sections)) {
        if (!s->validate())
            return false;
    }
    return checkValues();
}

void ClausePage::DisplayData()
{
    if (m_sections.isEmpty())
        return;
    const ClauseSection::PageRows rows = rowsOf(m_pageNo);
    QHash<QString, QString> ticks;
    const auto tickRows = rowsOf(201);
    for (auto it = tickRows.begin(); it != tickRows.end(); ++it)
        ticks.insert(it.key(), it->constLast().value(0));
    for (ClauseSection *s : std::as_const(m_sections))
        s->load(rows, ticks);
    for (ClauseSection *s : std::as_const(m_sections)) {
        for (ClauseGrid *g : s->grids())
            setAfterEdit(g->objectName());
    }
}

void ClausePage::setAfterEdit(const QString &strGrid)
{
    const QString point = strGrid.mid(3);
    for (ClauseSection *s : std::as_const(m_sections))
        s->recomputeSums(point);
}

void ClausePage::clearAll()
{
    for (ClauseSection *s : std::as_const(m_sections))
        s->clear();
}

bool ClausePage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        auto *combo = qobject_cast<QComboBox *>(watched);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !(combo && combo->view()->isVisible())) {
            focusNextChild();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
