#include "frmPage9.h"

#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "catalogue/CellFormat.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/inadmissible/Clause21Items.h"
#include "model/inadmissible/Clause21cImport.h"
#include "model/rules/ClauseCompleteness.h"
#include "model/rules/PageRules.h"
#include "pages/ClauseGrid.h"
#include "pages/ClauseSection.h"
#include "pages/CompletenessPrompts.h"
#include "store/DbError.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

QSet<int> columnSet(const QString &list)
{
    QSet<int> columns;
    for (const QString &c : list.split(u',', Qt::SkipEmptyParts))
        columns.insert(c.trimmed().toInt());
    return columns;
}

QWidget *dataControl(ClauseSection *section)
{
    if (!section->grids().isEmpty())
        return section->grids().first();
    const auto &controls = section->clause().controls;
    return controls.isEmpty() ? nullptr : section->findChild<QLineEdit *>(controls.first().name);
}

} // namespace

frmPage9::frmPage9(QWidget *parent) : ClausePage(*ClauseCatalogue::instance().page(9), 9, 9, parent)
{
    // The items move from the page's single column onto their tabs.
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabClause21"));
    QList<QVBoxLayout *> tabLayouts;
    for (const QString &caption : Clause21::tabs()) {
        auto *scroll = new QScrollArea(m_tabs);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        auto *content = new QWidget(scroll);
        tabLayouts << new QVBoxLayout(content);
        scroll->setWidget(content);
        m_tabs->addTab(scroll, caption);
    }
    for (const Clause21::Item &item : Clause21::items()) {
        ClauseSection *s = section(item.point);
        if (!s)
            continue;
        m_body->removeWidget(s);
        tabLayouts.at(item.tab)->addWidget(s);
    }
    for (QVBoxLayout *layout : std::as_const(tabLayouts))
        layout->addStretch();
    m_body->insertWidget(0, m_tabs, 1);

    m_import21c = new QPushButton(tr("Import data for clause 21(c) from income tax"), this);
    m_import21c->setObjectName(QStringLiteral("cmdImport21c"));
    connect(m_import21c, &QPushButton::clicked, this, &frmPage9::Import21c);
    if (ClauseSection *c = section(QStringLiteral("21c"))) {
        c->layout()->addWidget(m_import21c);
        if (QCheckBox *na = c->notApplicableTick())
            connect(na, &QCheckBox::toggled, m_import21c,
                    [this](bool ticked) { m_import21c->setEnabled(!ticked); });
    }
    tabInShownOrder();
}

void frmPage9::Import21c()
{
    prompts().inform(QStringLiteral("It will delete existing data."));
    if (!prompts().askYesNo(QStringLiteral("Do you want to import data for clause 21(c) from income tax?.")))
        return;
    try {
        const QList<QStringList> rows = Clause21cImport::rows(host().Temp_Code(), host().yearKey());
        if (rows.isEmpty()) {
            prompts().inform(QStringLiteral("No Records Available."));
            return;
        }
        ClauseSection *c = section(QStringLiteral("21c"));
        c->grids().first()->setRows(rows);
        prompts().inform(SharedMessages::importSuccessfully());
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void frmPage9::showItem(const QString &point)
{
    if (const Clause21::Item *item = Clause21::item(point))
        m_tabs->setCurrentIndex(item->tab);
}

bool frmPage9::checkItem(const QString &point)
{
    ClauseSection *s = section(point);
    QWidget *control = s ? dataControl(s) : nullptr;
    if (!control)
        return true;
    const Clause21::Item *item = Clause21::item(point);
    putRows();
    if (const auto finding = PageRules::unanswered(report(), pageNo(), point)) {
        showItem(point);
        return refuseAt(*finding, s->answerButton(QStringLiteral("Yes")));
    }
    if (!s->clause().option.isEmpty() && !Vocabulary::isYes(report().value(pageNo(), s->clause().option)))
        return true;
    QCheckBox *na = s->notApplicableTick();
    if (na && na->isChecked())
        return true;
    showItem(point);
    // Messages name the clause as the page shows it ("21(b)(iii)(A)"), not by its point.
    const Catalogue::Clause &clause = s->clause();
    auto *grid = qobject_cast<ClauseGrid *>(control);
    if (!grid)
        return CompletenessPrompts::showFinding(
            control, ClauseCompleteness::textAt(report(), pageNo(), clause.controls.first().point, 1,
                                                clause.label, clause.mandatory));
    return CheckClause(grid, clause.label, na, clause.mandatory, columnSet(item->optionalColumns));
}

bool frmPage9::validateForm(bool)
{
    for (const Clause21::Item &item : Clause21::items()) {
        if (!checkItem(item.point))
            return false;
    }
    return passes(PageRules::clause21PaymentDates);
}
