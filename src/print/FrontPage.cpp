#include "FrontPage.h"

#include "Accountant.h"
#include "AssesseeParticulars.h"
#include "ControlCodes.h"
#include "PageValues.h"
#include "PrintSetup.h"
#include "PrintedValues.h"
#include "PrintedWords.h"
#include "ReportWriter.h"
#include "catalogue/Form3caPointOne.h"
#include "catalogue/FormWording.h"
#include "catalogue/PartAPoints.h"
#include "catalogue/SigningPoints.h"
#include "model/ReportModel.h"

namespace FrontPage
{

namespace
{

constexpr int Left = ReportRow::Left;
constexpr int Centre = ReportRow::Centre;
constexpr int Justify = ReportRow::Justify;

// The printed title of an audit report: the section and the case the form is for.
QString titleOf(const QString &formCase)
{
    return QStringLiteral("Audit report under section 44AB of the Income-tax Act, 1961, ") + formCase;
}

class Page : public PageValues
{
public:
    Page(ReportWriter &writer, const ReportModel &model, bool blank, bool form3CB)
        : PageValues(model, blank, form3CB ? 101 : 1), w(writer)
    {
    }

    void title(const QString &form, const QString &rule, const QStringList &description)
    {
        const QString udin = m_model.value(SigningPoints::Page, SigningPoints::Udin).trimmed();
        if (!m_blank && !udin.isEmpty())
            w.line(QStringLiteral("UDIN : ") + ControlCodes::bold(udin), ReportRow::Right);
        w.line(QStringLiteral("FORM NO. ") + form, Centre, true);
        w.line(rule, Centre);
        for (const QString &line : description)
            w.line(line, Centre, true);
        w.blank();
    }

    void paragraph(const QString &number, const QString &text)
    {
        w.columns(QStringLiteral("5,95"), {Left, Justify});
        w.plain({number, text});
    }
    void item(const QString &number, const QString &text)
    {
        w.columns(QStringLiteral("5,6,89"), {Left, Left, Justify});
        w.plain({QString(), number, text});
    }

    AssesseeParticulars assessee() const
    {
        return m_blank ? AssesseeParticulars::blank() : AssesseeParticulars::of(m_model);
    }

    void qualifications(const QString &point)
    {
        w.columns(QStringLiteral("8,30,62"), {Centre, Left, Justify});
        w.heading(
            {QStringLiteral("Sr. No."), QStringLiteral("Qualification Type"), FormWording::Observations});
        const QList<ReportModel::Row> rows =
            m_blank ? QList<ReportModel::Row>() : m_model.rows(m_page, point);
        int serial = 0;
        for (const ReportModel::Row &row : PrintedValues::inSerialOrder(rows)) {
            if (PrintedValues::isMarkerRow(row.cols) || row.cols.value(1).trimmed().isEmpty())
                continue;
            w.boxed({QString::number(++serial), row.cols.value(0), row.cols.value(1)});
        }
        if (serial == 0)
            w.boxed({QString(), m_blank ? PrintedValues::BlankValue : QStringLiteral("Nil"), QString()});
        w.blank();
    }

    void signature(const PrintSetup &setup, const Accountant &accountant)
    {
        w.blank();
        if (m_blank) {
            Accountant blank;
            blank.firmName = blank.name = blank.membershipNo = blank.firmRegNo = PrintedValues::BlankValue;
            blank.writeSignature(w, setup, PrintedValues::BlankValue, PrintedValues::BlankValue);
            return;
        }
        accountant.writeSignature(w, setup, PrintedValues::signingDate(m_model),
                                  PrintedValues::signingPlace(m_model));
    }

    ReportWriter &w;
};

void write3CA(Page &p, const PrintSetup &setup, const Accountant &accountant)
{
    using namespace Form3caPointOne;
    const QString one = Point;
    const QString three = QStringLiteral("3CA3");
    p.title(QStringLiteral("3CA"), QStringLiteral("[See rule 6G(1)(a)]"),
            {titleOf(FormWording::Form3caCase)});
    const AssesseeParticulars a = p.assessee();
    const QString auditor =
        PrintedValues::joined({p.value(one, Firm), p.value(one, OtherAct)}, QStringLiteral(" "));
    p.paragraph(
        QStringLiteral("1."),
        p.word(one, IWe) + QStringLiteral(" report that the statutory audit of M/s. ") +
            ControlCodes::bold(a.name) + QStringLiteral(", ") + a.address + QStringLiteral(", PAN : ") +
            ControlCodes::bold(a.pan) + QStringLiteral(" was conducted by ") + p.word(one, MeUs) + u' ' +
            auditor + QStringLiteral(" in pursuance of the provisions of the ") + p.value(one, Act) +
            QStringLiteral(", and ") + p.word(one, IWe2) + QStringLiteral(" annex hereto a copy of ") +
            p.word(one, MyOurTheir, true) + QStringLiteral(" audit report dated ") +
            p.value(one, ReportedOn) + QStringLiteral(" along with a copy of each of :-"));
    p.item(QStringLiteral("(a)"), QStringLiteral("the audited ") + p.word(one, Accounts) + u' ' +
                                      FormWording::PeriodFrom + u' ' + p.value(one, PeriodFrom) + u' ' +
                                      FormWording::PeriodTo + u' ' + p.value(one, PeriodTo) + u';');
    p.item(QStringLiteral("(b)"), QStringLiteral("the audited balance sheet as at, ") +
                                      PageValues::balanceSheetDate(p.value(one, Year)) +
                                      QStringLiteral("; and"));
    p.item(QStringLiteral("(c)"),
           QStringLiteral("documents declared by the said Act to be part of, or annexed to, the ") +
               p.word(one, Accounts2) + QStringLiteral(" and balance sheet."));
    p.paragraph(QStringLiteral("2."), FormWording::AnnexedParticulars);
    p.paragraph(
        QStringLiteral("3."),
        QStringLiteral("In ") + p.word(three, 1, true) + QStringLiteral(" opinion and to the best of ") +
            p.word(three, 2, true) +
            QStringLiteral(" information and according to examination of books of account including other "
                           "relevant documents and explanations given to ") +
            p.word(three, 3, true) +
            QStringLiteral(", the particulars given in the said Form No. 3CD are true and correct subject "
                           "to the following observations/qualifications, if any:"));
    p.qualifications(QStringLiteral("3CAQual"));
    p.signature(setup, accountant);
}

void write3CB(Page &p, const PrintSetup &setup, const Accountant &accountant)
{
    const QString one = PartAPoints::Form3cbPointOne;
    const QString two = QStringLiteral("3CBPT2");
    const QString three = QStringLiteral("3CBPT3");
    const QString five = QStringLiteral("3CBPT5");
    p.title(QStringLiteral("3CB"), QStringLiteral("[See rule 6G(1)(b)]"),
            {titleOf(FormWording::Form3cbCase)});
    const AssesseeParticulars a = p.assessee();
    p.paragraph(QStringLiteral("1."),
                p.word(one, 1) + QStringLiteral(" have examined the balance sheet as on ") + p.value(one, 2) +
                    QStringLiteral(", and the ") + p.word(one, 3) + u' ' + FormWording::PeriodFrom + u' ' +
                    p.value(one, 4) + u' ' + FormWording::PeriodTo + u' ' + p.value(one, 5) +
                    QStringLiteral(", attached herewith, of ") + ControlCodes::bold(a.name) +
                    QStringLiteral(", ") + a.address + QStringLiteral(", PAN : ") +
                    ControlCodes::bold(a.pan) + u'.');
    p.paragraph(
        QStringLiteral("2."),
        p.word(two, 1) + QStringLiteral(" certify that the balance sheet and the ") + p.word(two, 2) +
            QStringLiteral(" are in agreement with the books of account maintained at the head office at ") +
            p.value(two, 3) + QStringLiteral(" and ") + p.value(two, 4) + QStringLiteral(" branches."));
    p.paragraph(QStringLiteral("3."),
                QStringLiteral("(a) ") + p.word(three, 1) +
                    QStringLiteral(" report the following observations/comments/discrepancies/"
                                   "inconsistencies; if any: ") +
                    p.value(three, 2));
    p.item(QStringLiteral("(b)"), QStringLiteral("Subject to above,-"));
    p.item(QStringLiteral("(A)"),
           p.word(three, 3) +
               QStringLiteral(" have obtained all the information and explanations which, to "
                              "the best of ") +
               p.word(three, 4, true) +
               QStringLiteral(" knowledge and belief, were necessary for the purpose of the "
                              "audit."));
    p.item(QStringLiteral("(B)"),
           QStringLiteral("In ") + p.word(three, 5, true) +
               QStringLiteral(" opinion, proper books of account have been kept by the head "
                              "office and branches of the assessee so far as appears from ") +
               p.word(three, 6, true) + QStringLiteral(" examination of the books."));
    p.item(QStringLiteral("(C)"),
           QStringLiteral("In ") + p.word(three, 7, true) + QStringLiteral(" opinion and to the best of ") +
               p.word(three, 8, true) + u' ' + PrintedWords::InformationAndTheExplanations + u' ' +
               p.word(three, 9, true) +
               QStringLiteral(", the said accounts, read with notes thereon, if any, give a "
                              "true and fair view:-"));
    p.item(QStringLiteral("(i)"),
           QStringLiteral("in the case of the balance sheet, of the state of the affairs of "
                          "the assessee as at ") +
               p.value(three, 10) + QStringLiteral("; and"));
    p.item(QStringLiteral("(ii)"), QStringLiteral("in the case of the ") + p.word(three, 11) +
                                       QStringLiteral(", of the ") + p.word(three, 12) +
                                       QStringLiteral(" of the assessee for the year ended on that date."));
    p.paragraph(QStringLiteral("4."), FormWording::AnnexedParticulars);
    p.paragraph(
        QStringLiteral("5."),
        QStringLiteral("In ") + p.word(five, 1, true) + QStringLiteral(" opinion and to the best of ") +
            p.word(five, 2, true) + u' ' + FormWording::InformationExplained + u' ' + p.word(five, 3, true) +
            QStringLiteral(", the particulars given in the said Form No. 3CD and the Annexure thereto are "
                           "true and correct subject to the following observations/qualifications, if any:"));
    p.qualifications(QStringLiteral("Qual"));
    p.signature(setup, accountant);
}

} // namespace

void write(ReportWriter &writer, const ReportModel &model, const PrintSetup &setup,
           const Accountant &accountant, bool blank)
{
    const bool form3CB = model.formCode() == QLatin1String("3CB");
    Page page(writer, model, blank, form3CB);
    if (form3CB)
        write3CB(page, setup, accountant);
    else
        write3CA(page, setup, accountant);
}

} // namespace FrontPage
