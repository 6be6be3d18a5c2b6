#include "frmPage1CB.h"

#include "AssesseeBox.h"
#include "ChoiceCombo.h"
#include "ObservationsBox.h"
#include "PageChecks.h"
#include "catalogue/AssesseeRow.h"
#include "catalogue/FormWording.h"
#include "catalogue/PartAPoints.h"
#include "host/HostContext.h"
#include "model/rules/ReportPageRules.h"
#include "model/rules/ReportWords.h"
#include "pages/ClauseControls.h"
#include "pages/ClauseGrid.h"
#include "pages/WidgetValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

using PageChecks::refuse;

namespace
{
QString valueOf(const QWidget *w)
{
    return WidgetValues::text(w).trimmed();
}
} // namespace

frmPage1CB::frmPage1CB(QWidget *parent) : ReportPage(1, 101, QStringLiteral("Form 3CB: audit report"), parent)
{
    using namespace ReportWords;
    auto choice = [this](const char *name, const QStringList &items,
                         ChoiceCombo::Spelling spelling = ChoiceCombo::Spelling::AsListed) {
        return ChoiceCombo::make(this, QString::fromLatin1(name), items, spelling);
    };
    m_iWe = choice("cmb1IWe", iWe());
    m_balanceSheetDate = dateEdit(QStringLiteral("txtBDT"), QStringLiteral("Balance sheet date"));
    m_accounts = choice("cmb1PI", accountTypes(), ChoiceCombo::Spelling::AsTyped);
    m_from = dateEdit(QStringLiteral("txtPFrom"), QStringLiteral("Period from"));
    m_to = dateEdit(QStringLiteral("txtPTo"), QStringLiteral("Period to"));
    m_assessee = new AssesseeBox(QStringLiteral("txtCBPAN"), true, this);
    m_iWe2 = choice("cmb2IWe", iWe());
    m_accounts2 = choice("cmb2PI", accountTypes(), ChoiceCombo::Spelling::AsTyped);
    m_headOffice = textEdit(QStringLiteral("txtFLocation"), 220);
    m_branches = textEdit(QStringLiteral("txtNOB"));
    m_branches->setMaximumWidth(80);
    m_branches->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_branches));
    m_comments = textEdit(QStringLiteral("txt3aOCDI"), 420);
    m_three = {choice("cmb3aIWe", iWe()),
               choice("cmb3bAIWe", iWe()),
               choice("cmb3bAMyOur", myOur()),
               choice("cmb3bBMyOur1", myOur()),
               choice("cmb3bBMyOur2", myOur()),
               choice("cmb3bCMyOur1", myOur()),
               choice("cmb3bCMyOur2", myOur()),
               choice("cmb3bCMeUs", meUs()),
               choice("cmb3CiBSDate", yearEnds(host().yearKey())),
               choice("cmb3CiiPI", accountTypes(), ChoiceCombo::Spelling::AsTyped),
               choice("cmb3CiiPL", results())};
    m_five = {choice("cmb5MyOur1", myOur()), choice("cmb5MyOur2", myOur()), choice("cmb5MeUs", meUs())};
    // Tab follows the screen: the comments box stands after the words of 3(a).
    setTabOrder(m_three.first(), m_comments);
    m_observations = new ObservationsBox(QStringLiteral("Qual"), report(), 101, this);
    m_place = textEdit(QStringLiteral("txtPlace"), 200);
    m_signDate = dateEdit(QStringLiteral("txtDOS"), QStringLiteral("Date of signing the report"));

    const QList<QComboBox *> &t = m_three;
    addGroup(
        QStringLiteral("1."),
        {line({m_iWe, "have examined the balance sheet as on", m_balanceSheetDate, ", and the", m_accounts}),
         line({FormWording::PeriodFrom, m_from, FormWording::PeriodTo, m_to, ", attached herewith, of"})},
        m_assessee);
    addGroup(QStringLiteral("2."),
             {line({m_iWe2, "certify that the balance sheet and the", m_accounts2,
                    "are in agreement with the books of account"}),
              line({"maintained at the head office at", m_headOffice, "and", m_branches, "branches."})});
    addGroup(QStringLiteral("3."),
             {line({"(a)", t[0],
                    "report the following observations/ comments/ discrepancies/ inconsistencies; if "
                    "any:",
                    m_comments}),
              line({"(b) Subject to above,-"}),
              line({"(A)", t[1], "have obtained all the information and explanations which, to the best of",
                    t[2], "knowledge and belief, were necessary for the purposes of the audit."}),
              line({"(B) In", t[3],
                    "opinion, proper books of account have been kept by the head office and "
                    "branches of the assessee so far as appears from",
                    t[4], "examination of the books."}),
              line({"(C) In", t[5], "opinion and to the best of", t[6], FormWording::InformationExplained,
                    t[7], ", the said accounts,"}),
              line({"read with notes thereon, if any, give a true and fair view:-"}),
              line({"(i) in the case of the balance sheet, of the state of the affairs of the assessee as at",
                    t[8], "; and"}),
              line({"(ii) in the case of the", t[9], ", of the", t[10],
                    "of the assessee for the year ended on "
                    "that date."})});
    addGroup(QStringLiteral("4."), {line({FormWording::AnnexedParticulars})});
    addGroup(
        QStringLiteral("5."),
        {line({"In", m_five[0], "opinion and to the best of", m_five[1], FormWording::InformationExplained,
               m_five[2], ","}),
         line({"the particulars given in the said Form No. 3CD and the Annexure thereto are true and correct "
               "subject to the following observations/qualifications, if any:"})},
        m_observations);
    addGroup(tr("Signing"), {line({"Place", m_place, "Date", m_signDate})});
    enterMovesOn();
}

QList<QWidget *> frmPage1CB::paragraphOne() const
{
    return {m_iWe, m_balanceSheetDate, m_accounts, m_from, m_to};
}

QList<QWidget *> frmPage1CB::paragraphTwo() const
{
    return {m_iWe2, m_accounts2, m_headOffice, m_branches};
}

QList<QWidget *> frmPage1CB::paragraphThree() const
{
    QList<QWidget *> out{m_three.first(), m_comments};
    for (int k = 1; k < m_three.size(); ++k)
        out << m_three.at(k);
    return out;
}

QList<QWidget *> frmPage1CB::paragraphFive() const
{
    return {m_five.begin(), m_five.end()};
}

void frmPage1CB::show(const QList<QWidget *> &controls, const QStringList &cols)
{
    for (int k = 0; k < controls.size(); ++k) {
        if (auto *combo = qobject_cast<QComboBox *>(controls.at(k)))
            ChoiceCombo::show(combo, cols.value(k));
        else
            WidgetValues::setText(controls.at(k), cols.value(k));
    }
}

QStringList frmPage1CB::valuesOf(const QList<QWidget *> &controls)
{
    QStringList out;
    for (QWidget *w : controls)
        out << valueOf(w);
    return out;
}

void frmPage1CB::showDefaults()
{
    for (const auto &controls : {paragraphOne(), paragraphTwo(), paragraphThree(), paragraphFive()})
        show(controls, {});
    showRows(defaultRows());
}

void frmPage1CB::showRows(const Rows &rows)
{
    const QList<QPair<QString, QList<QWidget *>>> points{{PartAPoints::Form3cbPointOne, paragraphOne()},
                                                         {QStringLiteral("3CBPT2"), paragraphTwo()},
                                                         {QStringLiteral("3CBPT3"), paragraphThree()},
                                                         {QStringLiteral("3CBPT5"), paragraphFive()}};
    for (const auto &[point, controls] : points) {
        if (rows.contains(point))
            show(controls, rows.value(point).first());
    }
    const QString assessee = AssesseeRow::placeOn(QStringLiteral("3CB")).point;
    if (rows.contains(assessee))
        m_assessee->setValues(rows.value(assessee).first());
    if (rows.contains(QStringLiteral("3CBOTH"))) {
        const QStringList cols = rows.value(QStringLiteral("3CBOTH")).first();
        m_place->setText(cols.value(3));
        m_signDate->setText(cols.value(4));
    }
    m_observations->grid()->setRows(rows.value(QStringLiteral("Qual")));
    auto ticked = [&rows](const QString &point) {
        const auto tick = rows.value(point);
        return !tick.isEmpty() && tick.first().value(0) == QLatin1String("1");
    };
    m_assessee->nameTick()->setChecked(ticked(QStringLiteral("MasterName")));
    m_assessee->addressTick()->setChecked(ticked(QStringLiteral("MasterAdd")));
}

QStringList frmPage1CB::tickPoints() const
{
    return {QStringLiteral("MasterName"), QStringLiteral("MasterAdd")};
}

void frmPage1CB::writeRows()
{
    ReportModel &rows = report();
    rows.setRows(PartAPoints::Form3cbPage, PartAPoints::Form3cbPointOne, {valuesOf(paragraphOne())});
    const Catalogue::PointRef assessee = AssesseeRow::placeOn(QStringLiteral("3CB"));
    rows.setRows(assessee.page, assessee.point, {m_assessee->values()});
    rows.setRows(101, QStringLiteral("3CBPT2"), {valuesOf(paragraphTwo())});
    rows.setRows(101, QStringLiteral("3CBPT3"), {valuesOf(paragraphThree())});
    rows.setRows(101, QStringLiteral("3CBPT5"), {valuesOf(paragraphFive())});
    rows.setRows(101, QStringLiteral("3CBOTH"),
                 {{QStringLiteral("0"), QString(), QString(), valueOf(m_place), valueOf(m_signDate)}});
    writeTick(m_assessee->nameTick(), QStringLiteral("MasterName"));
    writeTick(m_assessee->addressTick(), QStringLiteral("MasterAdd"));
}

bool frmPage1CB::validateForm(bool)
{
    putRows();
    if (const std::optional<ReportFinding> found = ReportPageRules::form3cb(report()))
        return PageChecks::refuse(controlAt(*found), found->message);
    return true;
}

QWidget *frmPage1CB::controlAt(const ReportFinding &finding) const
{
    if (finding.point == PartAPoints::Form3cbPointOne)
        return paragraphOne().value(finding.column);
    if (finding.point == QLatin1String("3CBPT2"))
        return paragraphTwo().value(finding.column);
    if (finding.point == QLatin1String("3CBOTH"))
        return finding.column == 3 ? m_place : m_signDate;
    return m_assessee->fieldAt(finding.column);
}
