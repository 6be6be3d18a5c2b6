#include "frmPage20.h"

#include "base/Prompt.h"
#include "catalogue/CellFormat.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/amounts/Amounts.h"
#include "model/rules/ClauseCompleteness.h"
#include "model/rules/PageRules.h"
#include "model/rules/TurnoverRules.h"
#include "model/turnover/Clauses41To44.h"
#include "model/turnover/TurnoverImport.h"
#include "pages/ClauseGrid.h"
#include "pages/ClauseSection.h"
#include "pages/CompletenessPrompts.h"
#include "pages/WidgetValues.h"
#include "store/DbError.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>
#include <utility>

namespace
{

enum Tab { RatiosTab = 0, OtherClausesTab = 1 };
// The column of the clause 42 grid that holds the identification number.
constexpr int identificationColumn = 0;

// Where the report model keeps a field of the clause: its point and column (from 1).
std::optional<std::pair<QString, int>> placeOfField(const ClauseSection &section, const QString &name)
{
    for (const Catalogue::Control &control : section.clause().controls) {
        for (int k = 0; k < control.fields.size(); ++k) {
            if (control.fields.at(k).name == name)
                return std::pair(control.point, k + 1);
        }
    }
    return std::nullopt;
}

ClauseGrid *gridOf(const ClausePage &page, const QString &key)
{
    ClauseSection *s = page.section(key);
    return s && !s->grids().isEmpty() ? s->grids().first() : nullptr;
}

QSet<QString> ratioFields()
{
    QSet<QString> names;
    for (const Clause40::Ratio &r : Clause40::ratios())
        names.insert(r.ratio);
    return names;
}

} // namespace

frmPage20::frmPage20(QWidget *parent) : ClausePage(*ClauseCatalogue::instance().page(20), 20, 20, parent)
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabPage20"));
    for (const QString &caption : {tr("Page 1 of 2"), tr("Page 2 of 2")}) {
        auto *scroll = new QScrollArea(m_tabs);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        auto *content = new QWidget(scroll);
        new QVBoxLayout(content);
        scroll->setWidget(content);
        m_tabs->addTab(scroll, caption);
    }
    for (ClauseSection *s : sections()) {
        const int tab = s->clause().key == QLatin1String("40") ? RatiosTab : OtherClausesTab;
        m_body->removeWidget(s);
        auto *content = static_cast<QScrollArea *>(m_tabs->widget(tab))->widget();
        static_cast<QVBoxLayout *>(content->layout())->addWidget(s);
    }
    for (int tab : {RatiosTab, OtherClausesTab})
        static_cast<QVBoxLayout *>(static_cast<QScrollArea *>(m_tabs->widget(tab))->widget()->layout())
            ->addStretch();
    m_body->insertWidget(0, m_tabs, 1);

    // Amounts are typed with their sign (a net loss), or as Nil or NA; decimals are refused
    // on validation rather than rounded away. Ratios are computed.
    const QSet<QString> ratios = ratioFields();
    for (const Clause40::Record &record : Clause40::records()) {
        for (const QString &name : record.fields) {
            QLineEdit *edit = field(name);
            if (!edit)
                continue;
            if (ratios.contains(name)) {
                edit->setReadOnly(true);
                continue;
            }
            disconnect(edit, &QLineEdit::editingFinished, edit, nullptr);
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("-?[0-9]*\\.?[0-9]*|[Nn]([Ii][Ll]?|[Aa])?")), edit));
            connect(edit, &QLineEdit::textChanged, this, &frmPage20::recomputeRatios);
        }
    }

    m_import = new QPushButton(tr("Import Turnover, Gross Profit and Net Profit from Accounts"), this);
    m_import->setObjectName(QStringLiteral("cmdImportTO"));
    connect(m_import, &QPushButton::clicked, this, &frmPage20::ImportTO_Data);
    if (ClauseSection *clause40 = section(QStringLiteral("40")))
        clause40->layout()->addWidget(m_import);

    // Not Due closes the grid of clause 43 but asks for the expected date; this runs after
    // the clause's own answer handling.
    if (ClauseSection *clause43 = section(QStringLiteral("43"))) {
        QRadioButton *notDue = clause43->answerButton(QStringLiteral("NA"));
        if (notDue && notDue->group())
            connect(notDue->group(), &QButtonGroup::idClicked, this, &frmPage20::openExpectedDate);
    }

    if (ClauseGrid *grd42 = gridOf(*this, QStringLiteral("42"))) {
        connect(grd42, &ClauseGrid::edited, this, [grd42](int row, int column) {
            const QString id = WidgetValues::cellText(grd42, row, identificationColumn).trimmed();
            if (column != identificationColumn || id.isEmpty())
                return;
            if (const QString message = Clauses41To44::identificationMessage(id); !message.isEmpty())
                prompts().inform(message);
        });
    }
    tabInShownOrder();
}

QLineEdit *frmPage20::field(const QString &name) const
{
    return findChild<QLineEdit *>(name);
}

Clause40::Fields frmPage20::fields() const
{
    Clause40::Fields values;
    for (const Clause40::Record &record : Clause40::records()) {
        for (const QString &name : record.fields) {
            if (QLineEdit *edit = field(name))
                values.insert(name, edit->text());
        }
    }
    return values;
}

void frmPage20::setFields(const Clause40::Fields &values)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        if (QLineEdit *edit = field(it.key()))
            edit->setText(it.value());
    }
}

void frmPage20::recomputeRatios()
{
    Clause40::Fields values = fields();
    Clause40::recomputeRatios(values);
    for (const Clause40::Ratio &r : Clause40::ratios()) {
        QLineEdit *edit = field(r.ratio);
        if (edit && edit->text() != values.value(r.ratio))
            edit->setText(values.value(r.ratio));
    }
}

void frmPage20::DisplayData()
{
    ClausePage::DisplayData();
    openExpectedDate();
}

void frmPage20::openExpectedDate()
{
    ClauseSection *clause43 = section(QStringLiteral("43"));
    QLineEdit *expected = findChild<QLineEdit *>(QStringLiteral("txt43B"));
    if (!clause43 || !expected || clause43->answer() != QLatin1String("NA"))
        return;
    if (Vocabulary::isMarker(expected->text()))
        expected->clear();
    expected->setEnabled(true);
}

AccountFigures::GroupSums frmPage20::GetFigs_Ratio(const QString &yearKey) const
{
    return AccountFigures::GetFigs_Ratio(host().Temp_Code(), yearKey);
}

void frmPage20::ImportTO_Data()
{
    // The import replaces what is typed in clause 40; it is written when the user saves.
    if (!prompts().askYesNo(
            QStringLiteral("Do you want to Import Figures for 'Gross Profit', 'Net Profit' and 'Turnover'?")))
        return;
    try {
        Clause40::Fields values = fields();
        TurnoverImport::ImportTO_Data(values);
        setFields(values);
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void frmPage20::setAfterEdit(const QString &strGrid)
{
    ClausePage::setAfterEdit(strGrid);
    ClauseGrid *grd44 = gridOf(*this, QStringLiteral("44"));
    if (!grd44 || strGrid != grd44->objectName())
        return;
    // The payments to registered entities are the sum of the three kinds before them.
    for (int r = 0; r < grd44->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grd44->columnCount(); ++c)
            cells << WidgetValues::cellText(grd44, r, c);
        TurnoverRules::fixClause44Row(cells);
        if (cells.size() > 4 && WidgetValues::cellText(grd44, r, 4) != cells.at(4))
            WidgetValues::setCellText(grd44, r, 4, cells.at(4));
    }
}

bool frmPage20::validateForm(bool)
{
    const ClauseSection *clause40 = section(QStringLiteral("40"));
    const bool mandatory40 = clause40 && clause40->clause().mandatory;
    m_tabs->setCurrentIndex(RatiosTab);
    // The figures are checked where the page keeps them, in the report model.
    putRows();
    for (const Clause40::Labelled &f : Clause40::completenessFields()) {
        QLineEdit *edit = field(f.field);
        const auto place = clause40 ? placeOfField(*clause40, f.field) : std::nullopt;
        if (edit && place &&
            !CompletenessPrompts::showFinding(edit, ClauseCompleteness::textAt(report(), pageNo(),
                                                                               place->first, place->second,
                                                                               f.label, mandatory40)))
            return false;
    }
    if (!passes(PageRules::clause40Amounts))
        return false;

    for (const QString &key : {QStringLiteral("41"), QStringLiteral("44")}) {
        ClauseSection *s = section(key);
        ClauseGrid *grid = gridOf(*this, key);
        if (!s || !grid)
            continue;
        m_tabs->setCurrentIndex(OtherClausesTab);
        if (!CheckClause(grid, key, s->notApplicableTick(), s->clause().mandatory))
            return false;
    }

    const auto answered = [this](const QString &key, const QString &message) {
        putRows();
        const auto finding = PageRules::unanswered(report(), pageNo(), key, message);
        return !finding || refuseAt(*finding, section(key)->answerButton(QStringLiteral("Yes")));
    };
    const auto answer = [this](const QString &key) {
        return Vocabulary::answerOf(report().value(pageNo(), section(key)->clause().option));
    };
    if (ClauseSection *s = section(QStringLiteral("42"))) {
        if (!answered(QStringLiteral("42"), QStringLiteral("Select either Yes or No in clause 42.")))
            return false;
        if (answer(QStringLiteral("42")) == Vocabulary::Answer::Yes) {
            m_tabs->setCurrentIndex(OtherClausesTab);
            if (!CheckClause(gridOf(*this, QStringLiteral("42")), QStringLiteral("42"), nullptr,
                             s->clause().mandatory) ||
                !passes(PageRules::clause42Numbers))
                return false;
        }
    }

    if (ClauseSection *s = section(QStringLiteral("43"))) {
        if (!answered(QStringLiteral("43"),
                      QStringLiteral("Select either Yes or No or Not Due in clause 43.")))
            return false;
        m_tabs->setCurrentIndex(OtherClausesTab);
        if (answer(QStringLiteral("43")) == Vocabulary::Answer::Yes &&
            !CheckClause(gridOf(*this, QStringLiteral("43")), QStringLiteral("43"), nullptr,
                         s->clause().mandatory))
            return false;
        if (!passes(PageRules::clause43ExpectedDate))
            return false;
    }
    return passes(PageRules::furnishingDates);
}
