#include "frmPage1.h"

#include "AssesseeBox.h"
#include "ChoiceCombo.h"
#include "ObservationsBox.h"
#include "PageChecks.h"
#include "base/Prompt.h"
#include "catalogue/AssesseeRow.h"
#include "catalogue/Form3caPointOne.h"
#include "catalogue/FormWording.h"
#include "host/HostContext.h"
#include "model/rules/ReportDates.h"
#include "model/rules/ReportPageRules.h"
#include "model/rules/ReportWords.h"
#include "pages/ClauseControls.h"
#include "pages/ClauseGrid.h"
#include "pages/CompletenessPrompts.h"
#include "pages/WidgetValues.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

using PageChecks::refuse;

namespace
{
QString valueOf(const QWidget *w)
{
    return WidgetValues::text(w).trimmed();
}
} // namespace

frmPage1::frmPage1(QWidget *parent) : ReportPage(1, 1, QStringLiteral("Form 3CA: audit report"), parent)
{
    using namespace ReportWords;
    const QString yearKey = host().yearKey();
    m_iWe = ChoiceCombo::make(this, QStringLiteral("cmb1IWe"), iWe());
    m_meUs = ChoiceCombo::make(this, QStringLiteral("cmb1MeUs"), meUsFirm());
    m_firm = textEdit(QStringLiteral("txtCA_FirmName"), 260);
    // Tab follows the screen: the assessee below point 1 comes before the Act and section 3.
    m_assessee = new AssesseeBox(QStringLiteral("txtPAN"), false, this);
    m_act = ChoiceCombo::make(this, QStringLiteral("cmbAct"), {});
    m_act->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_act->setMinimumContentsLength(40);
    try {
        ClauseStore::FillCombo(
            m_act,
            QStringLiteral("SELECT Text FROM annex_3cd21combo WHERE Point=? ORDER BY convert(Id,signed)"),
            {QStringLiteral("1Act")});
    } catch (const DbError &) {
        // Without the look-up there is nothing to choose; the rules ask for an Act.
    }
    connect(m_act, &QComboBox::currentIndexChanged, this, &frmPage1::actChanged);
    m_otherAct = textEdit(QStringLiteral("txtAct"), 200);
    m_iWe2 = ChoiceCombo::make(this, QStringLiteral("cmb2IWe"), iWe());
    m_myOurTheir = ChoiceCombo::make(this, QStringLiteral("cmb1MeYour"), myOurTheir());
    m_reportedDate = dateEdit(QStringLiteral("txtReportedDate"), QStringLiteral("Date of the audit report"));
    m_accounts =
        ChoiceCombo::make(this, QStringLiteral("cmb1PI"), accountTypes(), ChoiceCombo::Spelling::AsTyped);
    m_from = dateEdit(QStringLiteral("txtFAY"), QStringLiteral("Audit period from"));
    m_to = dateEdit(QStringLiteral("txtTAY"), QStringLiteral("Audit period to"));
    m_year = ChoiceCombo::make(this, QStringLiteral("cmbYear"), years(yearKey));
    m_accounts2 =
        ChoiceCombo::make(this, QStringLiteral("cmb2PI"), accountTypes(), ChoiceCombo::Spelling::AsTyped);
    m_opinion = ChoiceCombo::make(this, QStringLiteral("cmb3aMeYour"), myOur());
    m_information = ChoiceCombo::make(this, QStringLiteral("cmb3bMeYour"), myOur());
    m_explainedTo = ChoiceCombo::make(this, QStringLiteral("cmb3cMeUs"), meUs());
    m_observations = new ObservationsBox(QStringLiteral("3CAQual"), report(), 1, this);
    m_place = textEdit(QStringLiteral("txtPlace"), 200);
    m_signDate = dateEdit(QStringLiteral("txtDOS"), QStringLiteral("Date of signing the report"));

    addGroup(QStringLiteral("1."),
             {line({m_iWe, "report that the statutory audit of the assessee below was conducted by", m_meUs,
                    m_firm})},
             m_assessee);
    addGroup(QString(), {line({"in pursuance of the provisions of the", m_act, m_otherAct, "Act, and"}),
                         line({m_iWe2, "annex hereto a copy of", m_myOurTheir, "audit report dated",
                               m_reportedDate, "along with a copy of each of:"}),
                         line({"(a) the audited", m_accounts, FormWording::PeriodFrom, m_from,
                               FormWording::PeriodTo, m_to, ";"}),
                         line({"(b) the audited balance sheet as at 31st March,", m_year, "; and"}),
                         line({"(c) documents declared by the said Act to be part of, or annexed to, the",
                               m_accounts2, "and balance sheet."})});
    addGroup(QStringLiteral("2."), {line({FormWording::AnnexedParticulars})});
    addGroup(
        QStringLiteral("3."),
        {line({"In", m_opinion, "opinion and to the best of", m_information,
               FormWording::InformationExplained, m_explainedTo, ","}),
         line({"the particulars given in the said Form No. 3CD are true and correct subject to the following "
               "observations/qualifications, if any:"})},
        m_observations);
    addGroup(tr("Signing"), {line({"Place", m_place, "Date", m_signDate})});
    actChanged();
    enterMovesOn();
}

QList<QWidget *> frmPage1::pointOneControls() const
{
    return {m_iWe,          m_meUs,     m_firm, m_act, m_otherAct, m_iWe2,     m_myOurTheir,
            m_reportedDate, m_accounts, m_from, m_to,  m_year,     m_accounts2};
}

QList<QComboBox *> frmPage1::paragraphThree() const
{
    return {m_opinion, m_information, m_explainedTo};
}

void frmPage1::actChanged()
{
    // The Act's own name is asked for only when it is none of the listed ones.
    const bool other = valueOf(m_act) == ReportWords::otherAct();
    m_otherAct->setEnabled(other);
    if (!other)
        m_otherAct->clear();
}

void frmPage1::showDefaults()
{
    for (QWidget *w : pointOneControls())
        WidgetValues::setText(w, QString());
    for (QComboBox *c : paragraphThree())
        c->setCurrentIndex(-1);
    showRows(defaultRows());
}

void frmPage1::showRows(const Rows &rows)
{
    if (rows.contains(Form3caPointOne::Point)) {
        const QStringList cols = rows.value(Form3caPointOne::Point).first();
        const QList<QWidget *> controls = pointOneControls();
        for (int k = 0; k < controls.size(); ++k) {
            if (auto *combo = qobject_cast<QComboBox *>(controls.at(k)))
                ChoiceCombo::show(combo, cols.value(k));
            else
                WidgetValues::setText(controls.at(k), cols.value(k));
        }
    }
    const QString assessee = AssesseeRow::placeOn(QStringLiteral("3CA")).point;
    if (rows.contains(assessee))
        m_assessee->setValues(rows.value(assessee).first());
    if (rows.contains(QStringLiteral("3CA3"))) {
        const QStringList cols = rows.value(QStringLiteral("3CA3")).first();
        const QList<QComboBox *> combos = paragraphThree();
        for (int k = 0; k < combos.size(); ++k)
            ChoiceCombo::show(combos.at(k), cols.value(k));
    }
    if (rows.contains(QStringLiteral("3CAOTH"))) {
        const QStringList cols = rows.value(QStringLiteral("3CAOTH")).first();
        m_place->setText(cols.value(3));
        m_signDate->setText(cols.value(4));
    }
    m_observations->grid()->setRows(rows.value(QStringLiteral("3CAQual")));
    const auto tick = rows.value(QStringLiteral("MasterName"));
    m_assessee->nameTick()->setChecked(!tick.isEmpty() && tick.first().value(0) == QLatin1String("1"));
}

QStringList frmPage1::tickPoints() const
{
    return {QStringLiteral("MasterName")};
}

void frmPage1::writeRows()
{
    ReportModel &rows = report();
    QStringList pointOne;
    for (QWidget *w : pointOneControls())
        pointOne << valueOf(w);
    rows.setRows(1, Form3caPointOne::Point, {pointOne});
    const Catalogue::PointRef assessee = AssesseeRow::placeOn(QStringLiteral("3CA"));
    rows.setRows(assessee.page, assessee.point, {m_assessee->values()});
    QStringList three;
    for (QComboBox *c : paragraphThree())
        three << valueOf(c);
    rows.setRows(1, QStringLiteral("3CA3"), {three});
    rows.setRows(1, QStringLiteral("3CAOTH"),
                 {{QStringLiteral("0"), QString(), QString(), valueOf(m_place), valueOf(m_signDate)}});
    writeTick(m_assessee->nameTick(), QStringLiteral("MasterName"));
}

bool frmPage1::validateForm(bool)
{
    putRows();
    if (const std::optional<ReportFinding> found = ReportPageRules::form3ca(report()))
        return PageChecks::refuse(controlAt(*found), found->message);
    return true;
}

QWidget *frmPage1::controlAt(const ReportFinding &finding) const
{
    if (finding.point == Form3caPointOne::Point)
        return pointOneControls().value(finding.column);
    if (finding.point == QLatin1String("3CA3"))
        return paragraphThree().value(finding.column);
    if (finding.point == QLatin1String("3CAOTH"))
        return finding.column == 3 ? m_place : m_signDate;
    return m_assessee->fieldAt(finding.column);
}

bool frmPage1::checkDateRules(QLineEdit *box)
{
    if (box == m_reportedDate) {
        const QString date = box->text().trimmed();
        const QString question = ReportDates::auditReportQuestion(date, host().yearKey());
        // The same date is asked about once: a save after the answer does not ask again.
        if (question.isEmpty() || date == m_keptReportDate)
            return true;
        CompletenessPrompts::showControl(box);
        if (!prompts().askYesNo(question, QStringLiteral("Form 3CA"))) {
            box->setFocus(Qt::OtherFocusReason);
            return false;
        }
        m_keptReportDate = date;
        return true;
    }
    if (box == m_signDate) {
        const QString message =
            ReportDates::signedBeforeAuditReportMessage(box->text(), m_reportedDate->text());
        if (!message.isEmpty())
            return refuse(box, message);
    }
    return ReportPage::checkDateRules(box);
}

void frmPage1::Form_Activate()
{
    if (m_noticeShown ||
        m_master.typeOfAccounts.compare(QLatin1String("RECEIPT AND PAYMENT"), Qt::CaseInsensitive))
        return;
    m_noticeShown = true;
    prompts().inform(
        QStringLiteral("Type of Profit and loss is 'RECEIPT AND PAYMENT'.\nThis option is not in "
                       "Form3CA-3CD."));
}

void frmPage1::showEvent(QShowEvent *event)
{
    ReportPage::showEvent(event);
    Form_Activate();
}
