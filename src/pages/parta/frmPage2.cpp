#include "frmPage2.h"

#include "ChoiceCombo.h"
#include "PageChecks.h"
#include "base/Prompt.h"
#include "catalogue/AssesseeRow.h"
#include "catalogue/Form3caPointOne.h"
#include "catalogue/PartAPoints.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/parta/ClientMaster.h"
#include "model/rules/AssesseeStatuses.h"
#include "model/rules/PageRules.h"
#include "model/rules/PartARules.h"
#include "model/rules/ReportWords.h"
#include "pages/ClauseControls.h"
#include "pages/ClauseSection.h"
#include "pages/WidgetValues.h"
#include "store/ClauseStore.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using PageChecks::refuse;

namespace
{

// The catalogue's page 2 less the clauses this page draws itself; the catalogue still
// describes their rows for the e-filing writer.
Catalogue::Page catalogueClauses()
{
    const Catalogue::Page *page = ClauseCatalogue::instance().page(2);
    Catalogue::Page kept = page ? *page : Catalogue::Page{2, QStringLiteral("Part A"), {}};
    kept.clauses.removeIf([](const Catalogue::Clause &c) {
        return c.key == QLatin1String("3CD_A") || c.key == QLatin1String("8a");
    });
    return kept;
}

QLineEdit *readOnlyEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setMaximumWidth(120);
    return edit;
}

} // namespace

frmPage2::frmPage2(QWidget *parent) : ClausePage(catalogueClauses(), 2, 2, parent)
{
    auto *assessee = new QGroupBox(tr("1 - 3. Assessee (as on the report page)"), this);
    auto *assesseeForm = new QFormLayout(assessee);
    auto label = [assessee](const char *name) {
        auto *l = new QLabel(assessee);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setWordWrap(true);
        return l;
    };
    m_name = label("lblName");
    m_address = label("lblAddress");
    m_pan = label("lblPAN");
    m_aadhaar = label("lblAadhaar");
    assesseeForm->addRow(tr("1. Name of the assessee"), m_name);
    assesseeForm->addRow(tr("2. Address"), m_address);
    assesseeForm->addRow(tr("3. Permanent Account Number (PAN)"), m_pan);
    assesseeForm->addRow(tr("    Aadhaar Number"), m_aadhaar);
    m_body->insertWidget(0, assessee);

    auto *status = new QGroupBox(tr("5 - 7. Status, previous year and assessment year"), this);
    auto *statusForm = new QFormLayout(status);
    m_status = ChoiceCombo::make(status, QStringLiteral("cmbStatus"), AssesseeStatuses::entries());
    m_from = readOnlyEdit(QStringLiteral("txtPYFrom"), status);
    m_to = readOnlyEdit(QStringLiteral("txtPYTo"), status);
    m_assessmentYear = readOnlyEdit(QStringLiteral("txtAY"), status);
    auto *period = new QHBoxLayout;
    period->addWidget(m_from);
    period->addWidget(new QLabel(tr("to"), status));
    period->addWidget(m_to);
    period->addStretch();
    statusForm->addRow(tr("5. Status"), m_status);
    statusForm->addRow(tr("6. Previous year from"), period);
    statusForm->addRow(tr("7. Assessment year"), m_assessmentYear);
    if (ClauseSection *clause4 = section(QStringLiteral("4")))
        m_body->insertWidget(m_body->indexOf(clause4) + 1, status);
    else
        m_body->insertWidget(1, status);

    auto *option = new QGroupBox(tr("8a. Concessional taxation"), this);
    auto *optionLayout = new QVBoxLayout(option);
    auto *question =
        new QLabel(tr("Whether the assessee has opted for taxation under section "
                      "115BA/115BAA/115BAB/115BAC/115BAD/115BAE? If yes, indicate the relevant section."),
                   option);
    question->setWordWrap(true);
    optionLayout->addWidget(question);
    m_yes8a = new QRadioButton(tr("Yes"), option);
    m_yes8a->setObjectName(QStringLiteral("OptButYes8a"));
    m_no8a = new QRadioButton(tr("No"), option);
    m_no8a->setObjectName(QStringLiteral("OptButNo8a"));
    m_answer8a = new QButtonGroup(this);
    m_answer8a->addButton(m_yes8a, 0);
    m_answer8a->addButton(m_no8a, 1);
    connect(m_answer8a, &QButtonGroup::idClicked, this, &frmPage2::answer8aClicked);
    m_section8a = ChoiceCombo::make(option, QStringLiteral("cbo8a"), ReportWords::taxRegimeSections());
    auto *answers = new QHBoxLayout;
    answers->addWidget(m_yes8a);
    answers->addWidget(m_no8a);
    answers->addSpacing(24);
    answers->addWidget(new QLabel(tr("Section"), option));
    answers->addWidget(m_section8a);
    answers->addStretch();
    optionLayout->addLayout(answers);
    // The body ends with a stretch that keeps the clauses at the top.
    m_body->insertWidget(m_body->count() - 1, option);

    for (QWidget *w : {static_cast<QWidget *>(m_status), static_cast<QWidget *>(m_yes8a),
                       static_cast<QWidget *>(m_no8a), static_cast<QWidget *>(m_section8a)})
        w->installEventFilter(this);
    tabInShownOrder();
}

void frmPage2::answer8aClicked()
{
    // Without the option there is no section to name.
    const bool yes = m_yes8a->isChecked();
    m_section8a->setEnabled(yes);
    if (!yes)
        m_section8a->setCurrentIndex(-1);
}

QString frmPage2::taxRegimeSection() const
{
    return m_yes8a->isChecked() ? WidgetValues::text(m_section8a) : QString();
}

void frmPage2::DisplayData()
{
    ClausePage::DisplayData();
    try {
        QHash<QString, QStringList> rows;
        const auto stored = rowsOf(2);
        for (auto it = stored.begin(); it != stored.end(); ++it)
            rows.insert(it.key(), it->constFirst());
        showAssessee();

        const QStringList partA = rows.value(PartAPoints::Particulars);
        int position = AssesseeStatuses::fromHost(host().Vstatus_str());
        // The stored text decides; the position stands in for a text the list lacks.
        if (!partA.isEmpty())
            position = PartARules::storedStatusPosition(partA);
        m_status->setCurrentIndex(position >= 1 && position <= m_status->count() ? position - 1 : -1);
        showPeriod();
        m_assessmentYear->setText(host().assessmentYearText());

        const Vocabulary::Answer answer = Vocabulary::answerOf(rows.value(PartAPoints::Answer8a).value(0));
        WidgetValues::setOption(m_yes8a, answer == Vocabulary::Answer::Yes);
        WidgetValues::setOption(m_no8a, answer == Vocabulary::Answer::No);
        m_section8a->setEnabled(!m_no8a->isChecked());
        ChoiceCombo::show(m_section8a, rows.value(PartAPoints::Section8a).value(0));
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void frmPage2::showEvent(QShowEvent *event)
{
    ClausePage::showEvent(event);
    try {
        showAssessee();
        showPeriod();
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void frmPage2::showAssessee()
{
    // The particulars filed are those of the report page; until it is saved, the master's.
    const bool form3CA = moduleState().formKind == FormKind::F3CA;
    const QString formName = form3CA ? QStringLiteral("3CA") : QStringLiteral("3CB");
    const Catalogue::PointRef place = AssesseeRow::placeOn(formName);
    const ClauseStore::ClauseRow stored = report().rows(place.page, place.point, formName).value(0);
    const QStringList cols = stored.cols.isEmpty() ? ClientMaster::read().assesseeColumns() : stored.cols;
    using namespace AssesseeRow;
    auto value = [&cols](Column c) { return cols.value(index(c)).trimmed(); };
    auto joined = [&value](std::initializer_list<Column> columns) {
        QStringList parts;
        for (Column c : columns) {
            if (!value(c).isEmpty())
                parts << value(c);
        }
        return parts.join(QStringLiteral(", "));
    };
    m_name->setText(
        QStringList{value(FirstName), value(MiddleName), value(LastName)}.join(u' ').simplified());
    m_address->setText(joined({AddressLine1, AddressLine2, PostOffice, Area, District, State, Country, Pin}));
    m_pan->setText(value(PAN));
    m_aadhaar->setText(value(Aadhaar));
}

void frmPage2::showPeriod()
{
    HostContext &h = host();
    QString from = h.FirstDate();
    QString to = h.SecondDate();
    // The audit period of the report page, when it has been saved.
    const bool form3CA = moduleState().formKind == FormKind::F3CA;
    const ClauseStore::ClauseRow report =
        form3CA ? this->report().rows(1, Form3caPointOne::Point, QStringLiteral("3CA")).value(0)
                : this->report()
                      .rows(PartAPoints::Form3cbPage, PartAPoints::Form3cbPointOne, QStringLiteral("3CB"))
                      .value(0);
    const int fromColumn = form3CA ? 10 : 4;
    if (!report.col(fromColumn).trimmed().isEmpty())
        from = report.col(fromColumn).trimmed();
    if (!report.col(fromColumn + 1).trimmed().isEmpty())
        to = report.col(fromColumn + 1).trimmed();
    m_from->setText(from);
    m_to->setText(to);
}

void frmPage2::writeRows()
{
    ClausePage::writeRows();
    ReportModel &rows = report();
    const int position = WidgetValues::text(m_status).isEmpty() ? 0 : m_status->currentIndex() + 1;
    rows.setRows(PartAPoints::Page, PartAPoints::Particulars,
                 {PartARules::statusRow(position, m_from->text(), m_to->text(), m_assessmentYear->text())});
    // The answer is spelt as clause 8a keeps it by the save rules.
    if (m_answer8a->checkedId() >= 0)
        ClauseStore::SaveClauseControl(rows, m_yes8a, PartAPoints::Answer8a, PartAPoints::Page);
    const QString section = taxRegimeSection();
    if (!section.isEmpty())
        rows.setRows(PartAPoints::Page, PartAPoints::Section8a, {{section}});
    moduleState().opted115BAA = section == QLatin1String("115BAA");
}

bool frmPage2::validateForm(bool)
{
    if (!passes(PageRules::assesseeStatus, m_status))
        return false;
    for (const QString &key : {QStringLiteral("4"), QStringLiteral("8")}) {
        ClauseSection *clause = section(key);
        if (clause && !clause->validate())
            return false;
    }
    putRows();
    if (const auto finding = PageRules::unanswered(report(), pageNo(), PartAPoints::Section8a))
        return refuseAt(*finding, m_yes8a);
    return passes(PageRules::clause8aSection, m_section8a);
}
