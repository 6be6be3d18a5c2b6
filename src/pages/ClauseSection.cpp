#include "ClauseSection.h"

#include "ClauseControls.h"
#include "ClauseGrid.h"
#include "CompletenessPrompts.h"
#include "RemarksDialog.h"
#include "TotalsRow.h"
#include "WidgetValues.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "catalogue/CellFormat.h"
#include "catalogue/FormWording.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/ListSources.h"
#include "model/ReportModel.h"
#include "model/rules/CellChecks.h"
#include "model/rules/ClauseCompleteness.h"
#include "pages/annex/frmAnnex.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Catalogue;

namespace
{
// The As Per Annexure ticks of every page are kept under this page number.
const int kTickPage = 201;
const QStringList kAnswers{Vocabulary::Yes, Vocabulary::No, Vocabulary::NA};

// The button of a stored answer: 0 Yes, 1 No, 2 NA, -1 none.
int answerId(const QString &stored)
{
    switch (Vocabulary::answerOf(stored)) {
    case Vocabulary::Answer::Yes:
        return 0;
    case Vocabulary::Answer::No:
        return 1;
    case Vocabulary::Answer::NA:
        return 2;
    case Vocabulary::Answer::None:
        break;
    }
    return -1;
}

QString firstValue(const ClauseSection::PageRows &rows, const QString &point, int column = 0)
{
    const auto it = rows.constFind(point);
    return it == rows.constEnd() || it->isEmpty() ? QString() : it->first().value(column);
}
} // namespace

ClauseSection::ClauseSection(const Clause &clause, ListSources &lists, QWidget *parent, ReportModel *report,
                             int page)
    : QFrame(parent), m_clause(clause), m_lists(lists), m_report(report), m_page(page)
{
    setObjectName(QStringLiteral("fraClause") + clause.key);
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(QStringLiteral("<b>%1</b>&nbsp;&nbsp;%2")
                                   .arg(clause.label.toHtmlEscaped(), clause.caption.toHtmlEscaped()),
                               this);
    caption->setWordWrap(true);
    caption->setTextFormat(Qt::RichText);
    layout->addWidget(caption);
    buildGate();
    for (const Control &control : clause.controls)
        buildControl(control);

    auto *buttons = new QHBoxLayout;
    if (!m_grids.isEmpty()) {
        m_add = new QPushButton(tr("Add Row"), this);
        m_add->setObjectName(QStringLiteral("cmdAdd") + clause.key);
        m_remove = new QPushButton(tr("Remove Row"), this);
        m_remove->setObjectName(QStringLiteral("cmdRemove") + clause.key);
        m_annexure = new QPushButton(tr("Annexure"), this);
        m_annexure->setObjectName(QStringLiteral("cmdAnnex") + clause.key);
        ClauseGrid *grid = m_grids.first();
        connect(m_add, &QPushButton::clicked, grid, &ClauseGrid::addRow);
        connect(m_remove, &QPushButton::clicked, grid, &ClauseGrid::removeCurrentRow);
        connect(m_annexure, &QPushButton::clicked, this, [this, grid] { openAnnexure(grid); });
        buttons->addWidget(m_add);
        buttons->addWidget(m_remove);
        buttons->addWidget(m_annexure);
        m_dataWidgets << m_add << m_remove << m_annexure;
    }
    if (clause.remarks) {
        m_remarks = new QPushButton(tr("Remarks"), this);
        m_remarks->setObjectName(QStringLiteral("cmdRemarks") + clause.key);
        connect(m_remarks, &QPushButton::clicked, this, &ClauseSection::showRemarks);
        buttons->addWidget(m_remarks);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
}

void ClauseSection::buildGate()
{
    auto *row = new QHBoxLayout;
    if (!m_clause.option.isEmpty()) {
        m_answers = new QButtonGroup(this);
        const QString suffix = m_clause.optionSuffix();
        const QStringList captions{tr("Yes"), tr("No"), m_clause.optionNA};
        const QStringList prefixes{QStringLiteral("OptButYes"), QStringLiteral("OptButNo"),
                                   QStringLiteral("OptButNA")};
        for (int id = 0; id < (m_clause.optionNA.isEmpty() ? 2 : 3); ++id) {
            auto *button = new QRadioButton(captions.at(id), this);
            button->setObjectName(prefixes.at(id) + suffix);
            m_answers->addButton(button, id);
            row->addWidget(button);
        }
        connect(m_answers, &QButtonGroup::idClicked, this, &ClauseSection::answerClicked);
    }
    if (!m_clause.na.isEmpty()) {
        m_naTick = new QCheckBox(FormWording::NotApplicable, this);
        m_naTick->setObjectName(QStringLiteral("chk") + m_clause.na);
        connect(m_naTick, &QCheckBox::clicked, this, &ClauseSection::naClicked);
        row->addWidget(m_naTick);
    }
    if (!m_clause.annex.isEmpty()) {
        m_annexTick = new QCheckBox(tr("As Per Annexure"), this);
        m_annexTick->setObjectName(m_clause.annex);
        row->addWidget(m_annexTick);
        m_dataWidgets << m_annexTick;
    }
    row->addStretch();
    static_cast<QVBoxLayout *>(layout())->addLayout(row);
}

QLineEdit *ClauseSection::makeEdit(const QString &name, const Column &column, const QString &label,
                                   const QString &list)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    const Kind kind = column.kind;
    if (kind == Kind::Amount || kind == Kind::Whole) {
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(180);
    }
    if (kind != Kind::Text) {
        m_boxes.insert(edit, Box{column, label});
        // Every key is taken; leaving the box keeps the value in its column's form, or names
        // what is wrong with it and returns to it.
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            edit->setText(CellChecks::kept(m_boxes.value(edit).column, edit->text()));
            checkBox(edit);
        });
    }
    if (kind == Kind::Date) {
        edit->setPlaceholderText(QStringLiteral("DD/MM/YYYY"));
        edit->setMaximumWidth(140);
    }
    if (!list.isEmpty()) {
        auto *completer = new QCompleter(m_lists.items(list), edit);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        edit->setCompleter(completer);
    }
    m_dataWidgets << edit;
    return edit;
}

bool ClauseSection::checkBox(QLineEdit *box)
{
    const Box b = m_boxes.value(box);
    const QString message = CellChecks::message(b.column, box->text());
    return message.isEmpty() ||
           CompletenessPrompts::refuse(box, CellChecks::placed(message, b.label, -1, b.column.heading));
}

void ClauseSection::buildControl(const Control &control)
{
    auto *layout = static_cast<QVBoxLayout *>(this->layout());
    switch (control.type) {
    case ControlType::Grid: {
        auto *grid = m_report ? new ClauseGrid(control, m_lists, *m_report, m_page, this)
                              : new ClauseGrid(control, m_lists, this);
        grid->setLabel(control.label.isEmpty() ? m_clause.label : control.label);
        grid->setMinimumHeight(200);
        connect(grid, &ClauseGrid::edited, this, [this, grid] { emit gridEdited(grid->objectName()); });
        connect(grid, &ClauseGrid::hintChanged, this, &ClauseSection::hintChanged);
        // A long list (one that may go to an annexure) shows the totals of its amounts.
        if (!m_clause.annex.isEmpty() && !TotalsRow::summedColumns(*grid).isEmpty()) {
            auto *list = new QVBoxLayout;
            list->setSpacing(0);
            list->addWidget(grid);
            list->addWidget(new TotalsRow(grid, this));
            layout->addLayout(list);
        } else {
            layout->addWidget(grid);
        }
        m_grids << grid;
        m_dataWidgets << grid;
        break;
    }
    case ControlType::Text: {
        auto *row = new QHBoxLayout;
        row->addWidget(new QLabel(control.caption, this));
        Column column;
        column.heading = control.caption;
        column.kind = control.kind;
        column.signedAmount = control.signedAmount;
        QLineEdit *edit = makeEdit(control.name, column,
                                   control.label.isEmpty() ? m_clause.label : control.label, control.list);
        row->addWidget(edit, control.kind == Kind::Text ? 1 : 0);
        if (control.kind != Kind::Text)
            row->addStretch();
        layout->addLayout(row);
        m_single.insert(control.point, edit);
        break;
    }
    case ControlType::Combo: {
        auto *row = new QHBoxLayout;
        row->addWidget(new QLabel(control.caption, this));
        auto *combo = new QComboBox(this);
        combo->setObjectName(control.name);
        combo->addItems(m_lists.items(control.list));
        combo->setCurrentIndex(-1);
        row->addWidget(combo, 1);
        layout->addLayout(row);
        m_single.insert(control.point, combo);
        m_dataWidgets << combo;
        break;
    }
    case ControlType::Fields: {
        auto *grid = new QGridLayout;
        if (!control.caption.isEmpty())
            grid->addWidget(new QLabel(control.caption, this), 0, 0, 1, 2);
        QList<QLineEdit *> edits;
        for (int i = 0; i < control.fields.size(); ++i) {
            const Field &f = control.fields.at(i);
            const int row = 1 + i / 3;
            const int column = (i % 3) * 2;
            grid->addWidget(new QLabel(f.caption, this), row, column);
            Column kept;
            kept.heading = f.caption;
            kept.kind = f.kind;
            kept.signedAmount = f.signedAmount;
            QLineEdit *edit =
                makeEdit(f.name, kept, control.label.isEmpty() ? m_clause.label : control.label, {});
            if (!f.sumPoint.isEmpty())
                edit->setReadOnly(true);
            grid->addWidget(edit, row, column + 1);
            edits << edit;
        }
        // On a wide screen the room left over goes to the right, so that each box stays by its caption.
        grid->setColumnStretch(6, 1);
        layout->addLayout(grid);
        m_fields.insert(control.point, edits);
        break;
    }
    case ControlType::Choice: {
        auto *row = new QHBoxLayout;
        auto *group = new QButtonGroup(this);
        QList<QRadioButton *> buttons;
        for (int i = 0; i < control.captions.size(); ++i) {
            auto *b = new QRadioButton(control.captions.at(i), this);
            b->setObjectName(control.name + QString::number(i));
            group->addButton(b, i);
            row->addWidget(b);
            buttons << b;
        }
        row->addStretch();
        layout->addLayout(row);
        m_choices.insert(control.point, buttons);
        break;
    }
    }
}

QString ClauseSection::answer() const
{
    const int id = m_answers ? m_answers->checkedId() : -1;
    return id >= 0 ? kAnswers.at(id) : QString();
}

QRadioButton *ClauseSection::answerButton(const QString &word) const
{
    const int id = kAnswers.indexOf(word);
    return m_answers && id >= 0 ? static_cast<QRadioButton *>(m_answers->button(id)) : nullptr;
}

void ClauseSection::load(const PageRows &rows, const QHash<QString, QString> &ticks)
{
    if (m_answers) {
        const int id = answerId(firstValue(rows, m_clause.option));
        for (QAbstractButton *b : m_answers->buttons())
            WidgetValues::setOption(static_cast<QRadioButton *>(b), m_answers->id(b) == id);
    }
    if (m_naTick)
        m_naTick->setChecked(Vocabulary::isTicked(firstValue(rows, m_clause.na)));
    if (m_annexTick)
        m_annexTick->setChecked(Vocabulary::isTicked(ticks.value(m_clause.annex)));
    for (ClauseGrid *grid : m_grids) {
        // A grid over the report shows the point's rows there already.
        if (m_report)
            grid->showReportRows();
        else
            grid->setRows(rows.value(grid->definition().point));
    }
    for (auto it = m_single.begin(); it != m_single.end(); ++it)
        WidgetValues::setText(it.value(), firstValue(rows, it.key()));
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it) {
        for (int k = 0; k < it->size(); ++k)
            it->at(k)->setText(firstValue(rows, it.key(), k));
    }
    for (auto it = m_choices.begin(); it != m_choices.end(); ++it) {
        const QString value = firstValue(rows, it.key());
        for (int k = 0; k < it->size(); ++k)
            WidgetValues::setOption(it->at(k), !value.isEmpty() && (k == 0) == (answerId(value) == 0));
    }
    applyGate();
}

void ClauseSection::save(ReportModel &report, int page) const
{
    using namespace ClauseStore;
    if (!answer().isEmpty())
        report.setRows(page, m_clause.option, {{answer()}});
    if (m_naTick)
        SaveClauseControl(report, m_naTick, m_clause.na, page);
    if (m_annexTick)
        SaveClauseControl(report, m_annexTick, m_clause.annex, kTickPage);
    for (ClauseGrid *grid : m_grids)
        SaveClauseControl(report, grid, grid->definition().point, page, true);
    for (auto it = m_single.begin(); it != m_single.end(); ++it) {
        if (WidgetValues::kindOf(it.value()) == WidgetValues::Kind::Combo) {
            const QString text = WidgetValues::text(it.value());
            if (!text.isEmpty())
                report.setRows(page, it.key(), {{text}});
        } else {
            SaveClauseControl(report, it.value(), it.key(), page);
        }
    }
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it)
        SaveControlArray(report, it.key(), page, QList<QWidget *>(it->begin(), it->end()));
    for (auto it = m_choices.begin(); it != m_choices.end(); ++it) {
        const bool chosen =
            std::any_of(it->begin(), it->end(), [](QRadioButton *b) { return b->isChecked(); });
        if (chosen)
            SaveClauseControl(report, it->first(), it.key(), page);
    }
}

QList<ReportModel::PointKey> ClauseSection::otherPoints() const
{
    if (!m_annexTick)
        return {};
    return {ReportModel::PointKey{kTickPage, m_clause.annex, {}}};
}

bool ClauseSection::validate()
{
    // The page has put what it shows into the report model; the clause is checked there one
    // control at a time, and a blank one answered "Nil" is put back before the next is checked.
    while (const std::optional<ReportFinding> found = ClauseCompleteness::clauseAt(
               *m_report, m_page, m_clause, ClauseCompleteness::Extent::EachControl)) {
        QWidget *control = controlOf(*found);
        // What the section does not show, the accountant cannot fill here.
        if (!control)
            return true;
        if (!CompletenessPrompts::showFinding(control, found))
            return false;
        save(*m_report, m_page);
    }
    return true;
}

QWidget *ClauseSection::controlOf(const ReportFinding &finding) const
{
    if (finding.kind == ReportFinding::Kind::Answer)
        return m_answers ? m_answers->button(0) : nullptr;
    for (ClauseGrid *g : m_grids) {
        if (g->definition().point == finding.point)
            return g;
    }
    if (m_fields.contains(finding.point))
        return m_fields.value(finding.point).value(finding.column);
    return m_single.value(finding.point);
}

bool ClauseSection::checkValues()
{
    for (ClauseGrid *grid : std::as_const(m_grids)) {
        if (!grid->checkValues(grid->label()))
            return false;
    }
    // In the order they are shown, so that the first wrong box is the one named.
    for (QWidget *w : std::as_const(m_dataWidgets)) {
        auto *box = qobject_cast<QLineEdit *>(w);
        if (box && m_boxes.contains(box) && !box->isReadOnly() && !checkBox(box))
            return false;
    }
    return true;
}

void ClauseSection::clear()
{
    if (m_answers) {
        for (QAbstractButton *b : m_answers->buttons())
            WidgetValues::setOption(static_cast<QRadioButton *>(b), m_answers->id(b) == 2);
    }
    if (m_naTick)
        m_naTick->setChecked(false);
    if (m_annexTick)
        m_annexTick->setChecked(false);
    for (ClauseGrid *grid : m_grids)
        grid->setRows({});
    for (QWidget *w : std::as_const(m_single))
        WidgetValues::setText(w, QString());
    for (const QList<QLineEdit *> &edits : std::as_const(m_fields)) {
        for (QLineEdit *e : edits)
            e->clear();
    }
    for (const QList<QRadioButton *> &buttons : std::as_const(m_choices)) {
        for (QRadioButton *b : buttons)
            WidgetValues::setOption(b, false);
    }
    applyGate();
}

void ClauseSection::recomputeSums(const QString &gridPoint)
{
    for (const Control &control : m_clause.controls) {
        if (control.type != ControlType::Fields)
            continue;
        const QList<QLineEdit *> edits = m_fields.value(control.point);
        for (int k = 0; k < control.fields.size(); ++k) {
            const Field &f = control.fields.at(k);
            if (f.sumPoint != gridPoint)
                continue;
            for (ClauseGrid *grid : m_grids) {
                if (grid->definition().point != gridPoint)
                    continue;
                double total = 0;
                bool any = false;
                for (int r = 0; r < grid->rowCount(); ++r) {
                    const QString cell = grid->cellText(r, f.sumColumn - 1);
                    any = any || !cell.trimmed().isEmpty();
                    total += CellFormat::number(cell);
                }
                edits.at(k)->setText(any ? QString::number(total, 'f', 2) : QString());
            }
        }
    }
}

void ClauseSection::answerClicked(int id)
{
    if (id == 0) {
        blankMarkers();
        setDataEnabled(true);
        return;
    }
    if (!resetWithQuestion(id == 1 ? QStringLiteral("Nil") : QStringLiteral("NA")))
        WidgetValues::setOption(static_cast<QRadioButton *>(m_answers->button(0)), true);
}

void ClauseSection::naClicked(bool ticked)
{
    if (!ticked) {
        blankMarkers();
        setDataEnabled(true);
        return;
    }
    if (!resetWithQuestion(QStringLiteral("NA")))
        m_naTick->setChecked(false);
}

bool ClauseSection::holdsData() const
{
    for (ClauseGrid *grid : m_grids) {
        if (grid->holdsData())
            return true;
    }
    auto filled = [](const QString &t) { return !CellFormat::isBlankValue(t) && !Vocabulary::isMarker(t); };
    for (QWidget *w : m_single) {
        if (filled(WidgetValues::text(w)))
            return true;
    }
    for (const QList<QLineEdit *> &edits : m_fields) {
        for (QLineEdit *e : edits) {
            if (filled(e->text()))
                return true;
        }
    }
    return false;
}

bool ClauseSection::resetWithQuestion(const QString &marker)
{
    if (holdsData() && !prompts().askOkCancel(SharedMessages::listWillBeCleared(m_clause.label)))
        return false;
    fill(marker);
    setDataEnabled(false);
    return true;
}

void ClauseSection::fill(const QString &marker)
{
    for (ClauseGrid *grid : m_grids)
        grid->resetTo(marker);
    for (QWidget *w : std::as_const(m_single)) {
        if (WidgetValues::kindOf(w) == WidgetValues::Kind::Text)
            WidgetValues::setText(w, marker);
    }
    for (const QList<QLineEdit *> &edits : std::as_const(m_fields)) {
        for (QLineEdit *e : edits)
            e->setText(marker);
    }
    if (m_annexTick)
        m_annexTick->setChecked(false);
}

void ClauseSection::blankMarkers()
{
    for (ClauseGrid *grid : m_grids)
        grid->blankMarkerRow();
    for (QWidget *w : std::as_const(m_single)) {
        if (Vocabulary::isMarker(WidgetValues::text(w)))
            WidgetValues::setText(w, QString());
    }
    for (const QList<QLineEdit *> &edits : std::as_const(m_fields)) {
        for (QLineEdit *e : edits) {
            if (Vocabulary::isMarker(e->text()))
                e->clear();
        }
    }
}

void ClauseSection::setDataEnabled(bool enabled)
{
    for (QWidget *w : std::as_const(m_dataWidgets))
        w->setEnabled(enabled);
}

void ClauseSection::applyGate()
{
    const bool closedByAnswer =
        m_answers && (answer() == QLatin1String("No") || answer() == QLatin1String("NA"));
    const bool closedByTick = m_naTick && m_naTick->isChecked();
    setDataEnabled(!closedByAnswer && !closedByTick);
}

void ClauseSection::showRemarks()
{
    auto *dialog = new RemarksDialog(m_clause, *m_report, window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void ClauseSection::openAnnexure(ClauseGrid *grid)
{
    // The window edits the grid's own model, so Back shows its rows on the page at once.
    frmAnnex window(*grid->gridModel(), m_clause.key, {},
                    m_clause.label + QStringLiteral(". ") + m_clause.caption, host().annexFolder(), this);
    // Rows taken back change what the page works out from them (totals, ratios).
    if (window.exec() == QDialog::Accepted)
        emit gridEdited(grid->objectName());
}
