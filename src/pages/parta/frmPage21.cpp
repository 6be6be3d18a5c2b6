#include "frmPage21.h"

#include "PageChecks.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "catalogue/SigningPoints.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/parta/AuditorDetails.h"
#include "model/rules/ClauseCompleteness.h"
#include "model/rules/PageRules.h"
#include "model/rules/SigningDate.h"
#include "model/rules/ValueChecks.h"
#include "pages/ClauseControls.h"
#include "pages/CompletenessPrompts.h"
#include "pages/WidgetValues.h"
#include "store/ClauseStore.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

const QString kUdinMessage = QStringLiteral("Please specify Valid 18-Digits 'UDIN' !");

} // namespace

frmPage21::frmPage21(QWidget *parent)
    : ClausePage(Catalogue::Page{21, QStringLiteral("Signing of the report"), {}}, 21, 21, parent)
{
    auto *auditor = new QGroupBox(tr("Auditor who signs the report"), this);
    auto *auditorLayout = new QVBoxLayout(auditor);
    m_individual = new QRadioButton(tr("Individual"), auditor);
    m_individual->setObjectName(QStringLiteral("optAud0"));
    m_firm = new QRadioButton(tr("Firm"), auditor);
    m_firm->setObjectName(QStringLiteral("optAud1"));
    auto *types = new QButtonGroup(this);
    types->addButton(m_individual, 0);
    types->addButton(m_firm, 1);
    connect(types, &QButtonGroup::idClicked, this, &frmPage21::showAuditor);
    auto *select = new QPushButton(SharedMessages::selectAuditor(), auditor);
    select->setObjectName(QStringLiteral("cmdSelectAuditor"));
    connect(select, &QPushButton::clicked, this, &frmPage21::cmdSelectAuditor_Click);
    m_noAuditor = new QLabel(auditor);
    m_noAuditor->setObjectName(QStringLiteral("lblNoAuditor"));
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(m_individual);
    typeRow->addWidget(m_firm);
    typeRow->addSpacing(24);
    typeRow->addWidget(select);
    typeRow->addWidget(m_noAuditor);
    typeRow->addStretch();
    auditorLayout->addLayout(typeRow);
    auto *boxes = new QFormLayout;
    for (int i = 0; i < AuditorDetails::labels().size(); ++i) {
        auto *box = new QLineEdit(auditor);
        box->setObjectName(QStringLiteral("txtAud%1").arg(i));
        // The host keeps the auditor; the page only shows him.
        box->setReadOnly(true);
        boxes->addRow(AuditorDetails::labels().at(i), box);
        m_auditor << box;
    }
    auditorLayout->addLayout(boxes);
    m_body->insertWidget(m_body->count() - 1, auditor);

    auto *signing = new QGroupBox(tr("Signing"), this);
    auto *signingForm = new QFormLayout(signing);
    m_udin = new QLineEdit(signing);
    m_udin->setObjectName(QStringLiteral("txtUDIN"));
    m_udin->setMaxLength(40);
    connect(m_udin, &QLineEdit::editingFinished, this, &frmPage21::txtUDIN_LostFocus);
    auto *notice =
        new QLabel(QStringLiteral("( UDIN is for printing purpose only, not for e-Filing )"), signing);
    notice->setObjectName(QStringLiteral("lblUDINNotice"));
    m_signDate = new QLineEdit(signing);
    m_signDate->setObjectName(QStringLiteral("txtSignDate"));
    m_signDate->setPlaceholderText(QStringLiteral("DD/MM/YYYY"));
    m_signDate->setMaximumWidth(110);
    connect(m_signDate, &QLineEdit::editingFinished, this, [this] {
        m_signDate->setText(host().ConvertDate(m_signDate->text()));
        checkSignDate();
    });
    signingForm->addRow(tr("Unique Document Identification Number (UDIN)"), m_udin);
    signingForm->addRow(QString(), notice);
    signingForm->addRow(SigningDate::Label, m_signDate);
    m_body->insertWidget(m_body->count() - 1, signing);

    for (QWidget *w : findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractButton *>(w))
            w->installEventFilter(this);
    }
}

QString frmPage21::auditorType() const
{
    return m_individual->isChecked() ? QStringLiteral("I") : QStringLiteral("F");
}

void frmPage21::showAuditor()
{
    HostContext &h = host();
    QStringList record;
    if (h.GetAuditorDet(auditorType(), h.yearKey(), h.Temp_Code())) {
        for (int i = 0; i < 39; ++i)
            record << h.vArrOutValue(i);
    }
    h.InitTempArray();
    m_shownAuditor = record.isEmpty() ? QStringList() : AuditorDetails::shown(record);
    m_shownAuditor.resize(AuditorDetails::labels().size());
    for (int i = 0; i < m_auditor.size(); ++i)
        m_auditor.at(i)->setText(m_shownAuditor.value(i));
    m_noAuditor->setText(record.isEmpty() ? QStringLiteral("No Record.") : QString());
}

void frmPage21::DisplayData()
{
    try {
        const auto first = [this](int page, const QString &point) { return report().value(page, point); };
        const bool individual = Vocabulary::isYes(first(SigningPoints::Page, SigningPoints::AuditorType));
        WidgetValues::setOption(m_individual, individual);
        WidgetValues::setOption(m_firm, !individual);
        showAuditor();
        m_udin->setText(first(SigningPoints::Page, SigningPoints::Udin));
        m_signDate->setText(first(SigningPoints::Page, SigningPoints::SignedOn));
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void frmPage21::cmdSelectAuditor_Click()
{
    HostContext &h = host();
    try {
        if (h.AuditorDet(h.yearKey(), h.Temp_Code()))
            showAuditor();
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void frmPage21::txtUDIN_LostFocus()
{
    const QString udin = ValueChecks::normalisedUdin(m_udin->text());
    m_udin->setText(udin);
    if (udin.isEmpty() || ValueChecks::isUdin(udin))
        return;
    prompts().inform(kUdinMessage);
    m_udin->setFocus(Qt::OtherFocusReason);
}

void frmPage21::clearAll()
{
    m_udin->clear();
    m_signDate->clear();
}

bool frmPage21::checkValues()
{
    // A UDIN that is typed must be a whole one whichever way the page is saved.
    const QString udin = ValueChecks::normalisedUdin(m_udin->text());
    m_udin->setText(udin);
    if (!udin.isEmpty() && !ValueChecks::isUdin(udin))
        return PageChecks::refuse(m_udin, kUdinMessage);
    return checkSignDate() && ClausePage::checkValues();
}

bool frmPage21::checkSignDate()
{
    return passes(PageRules::signingDate, m_signDate);
}

bool frmPage21::SaveData()
{
    if (moduleState().saveWithValidation ? !(validateForm(true) && checkValues()) : !checkValues())
        return false;
    try {
        storeRows();
        return true;
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    }
}

void frmPage21::writeRows()
{
    // The save rules keep the UDIN in upper case and trim both texts.
    ClauseStore::SaveClauseControl(report(), m_individual, SigningPoints::AuditorType, SigningPoints::Page);
    ClauseStore::SaveClauseControl(report(), m_udin, SigningPoints::Udin, SigningPoints::Page);
    ClauseStore::SaveClauseControl(report(), m_signDate, SigningPoints::SignedOn, SigningPoints::Page);
}

bool frmPage21::validateForm(bool)
{
    // Each blank detail in turn: asked about, and shown "Nil" when the accountant has no more.
    while (const std::optional<ReportFinding> blank = AuditorDetails::firstBlank(m_shownAuditor)) {
        const int box = AuditorDetails::labels().indexOf(blank->clause);
        if (!CompletenessPrompts::showFinding(m_auditor.at(box), blank))
            return false;
        m_shownAuditor[box] = Vocabulary::Nil;
    }
    // The e-filing file needs the date itself: it is never answered with "Nil".
    putRows();
    const std::optional<ReportFinding> undated = ClauseCompleteness::textAt(
        report(), SigningPoints::Page, SigningPoints::SignedOn, 1, SigningDate::Label, true);
    if (!CompletenessPrompts::showFinding(m_signDate, undated) || !checkSignDate())
        return false;
    return passes(PageRules::signingDatesAgree, m_signDate);
}
