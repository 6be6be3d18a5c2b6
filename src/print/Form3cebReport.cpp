#include "Form3cebReport.h"

#include "Accountant.h"
#include "AuditReport.h"
#include "ControlCodes.h"
#include "FittedTable.h"
#include "PrintSetup.h"
#include "PrintedValues.h"
#include "PrintedWords.h"
#include "ReportEngine.h"
#include "ReportWriter.h"
#include "Signatory.h"
#include "catalogue/Form3cebCatalogue.h"
#include "catalogue/Form3cebPoints.h"
#include "catalogue/PrintedLayouts.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "store/ReportKey.h"

#include <QHash>
#include <algorithm>

using namespace Catalogue;

namespace Form3cebReport
{

namespace
{

// The report page: its paragraphs, the accountant and the UDIN.
constexpr int kReportPage = Form3cebPoints::Page;

constexpr int Left = ReportRow::Left;
constexpr int Centre = ReportRow::Centre;
constexpr int Right = ReportRow::Right;
constexpr int Justify = ReportRow::Justify;

const QString Yes = QStringLiteral("Yes");

// The headings of the published Annexure above the clauses that open a group of
// transactions.
const QHash<QString, QString> &groupHeadings()
{
    static const QHash<QString, QString> headings{
        {QStringLiteral("11A"),
         QStringLiteral("Particulars in respect of transactions in tangible property:")},
        {QStringLiteral("12"),
         QStringLiteral("Particulars in respect of transactions in intangible property:")},
        {QStringLiteral("13"), QStringLiteral("Particulars in respect of providing of services:")},
        {QStringLiteral("14"), QStringLiteral("Particulars in respect of lending or borrowing of money:")},
        {QStringLiteral("15"),
         QStringLiteral("Particulars in respect of transactions in the nature of guarantee:")},
        {QStringLiteral("16"),
         QStringLiteral(
             "Particulars in respect of purchase, sale, transfer or issue of marketable securities:")},
        {QStringLiteral("17"), QStringLiteral("Particulars in respect of mutual agreement or arrangement:")},
        {QStringLiteral("18"),
         QStringLiteral("Particulars in respect of business restructuring or reorganisation:")},
        {QStringLiteral("19"), QStringLiteral("Particulars in respect of other transactions:")},
        {QStringLiteral("20"),
         QStringLiteral("Particulars in respect of deemed international transactions:")},
        {QStringLiteral("22A"),
         QStringLiteral("Particulars in respect of transactions of an eligible business (section 80A(6), "
                        "80IA(8) or 10AA):")},
        {QStringLiteral("23"),
         QStringLiteral(
             "Particulars in respect of transactions of an undertaking (section 115BAB or 80IA(10)):")},
        {QStringLiteral("25"),
         QStringLiteral("Particulars in respect of other specified domestic transactions:")},
    };
    return headings;
}

// The Annexure's own headings over columns the pages name for entry: for one clause
// ("22A|" and the page's heading) before those of every clause.
QString printedHeading(const QString &clause, const QString &heading)
{
    static const QString person = QStringLiteral(
        "Name of the person with whom the specified domestic transaction has been entered into");
    static const QHash<QString, QString> byClause{
        {QStringLiteral("10|Name and address of the associated enterprise"),
         QStringLiteral("Name of the associated enterprise.")},
        {QStringLiteral("10|Nature of the relationship (section 92A(2))"),
         QStringLiteral("Nature of the relationship with the associated enterprise as referred to in Section "
                        "92A(2).")},
        {QStringLiteral("10|Nature of its business"),
         QStringLiteral("Brief description of the business carried on by the associated enterprise.")},
        {QStringLiteral("22A|Name of the enterprise"), QStringLiteral("Details")},
        {QStringLiteral("22B|Name of the enterprise"), QStringLiteral("Details")},
        {QStringLiteral("22A|Nature of the goods or services"),
         QStringLiteral("Description of goods or services transferred")},
        {QStringLiteral("22B|Nature of the goods or services"),
         QStringLiteral("Description of goods or services acquired")},
        {QStringLiteral("23|Name of the enterprise"), person},
        {QStringLiteral("24|Name of the enterprise"), person},
        {QStringLiteral("25|Name of the enterprise"), person},
        {QStringLiteral("25New|Name of the enterprise"), person},
    };
    static const QHash<QString, QString> everywhere{
        {QStringLiteral("Name of the associated enterprise"), QStringLiteral("Name")},
        {QStringLiteral("Address / country of the associated enterprise"), QStringLiteral("Address")},
        {QStringLiteral("Identification type of the associated enterprise"),
         QStringLiteral("Type Of Unique Identifier") + ControlCodes::LineBreak +
             QStringLiteral("PAN/TAN/Other")},
        {QStringLiteral("Identification number (PAN / TIN)"), QStringLiteral("Identification Number")},
        {QStringLiteral("Remark"), QStringLiteral("Observations/Remarks if any")},
        {QStringLiteral("Aadhaar of the enterprise"), QStringLiteral("Aadhar")},
    };
    const QString own = byClause.value(clause + u'|' + heading);
    if (!own.isEmpty())
        return own;
    return everywhere.value(heading, heading);
}

// The XML element of a transaction's amount as the books show it.
const QString BooksAmount = QStringLiteral("AmountBookOfAccounts");

class Builder
{
public:
    Builder(ReportEngine &engine, const ReportModel &model)
        : m_engine(engine), w(engine), m_model(model), m_setup(PrintSetup::read(model))
    {
    }

    void run()
    {
        m_engine.WinModeReport = true;
        m_engine.SetCol130(false);
        m_engine.NewReport();
        report();
        m_engine.PrintText(ControlCodes::FormFeed + u';');
        annexure();
        remarks();
        w.blank();
        closingSignature();
        if (m_setup.footer)
            AuditReport::writeFooter(m_engine, m_model.key().yearKey,
                                     hasHost() ? host().ClientName() : QString());
        m_engine.ShowReport();
    }

private:
    QString v(int page, const QString &point, int col) const
    {
        return m_model.value(page, point, col).trimmed();
    }
    QString word(int col, const QString &point) const { return v(kReportPage, point, col).toLower(); }
    QString previousYearEnd() const
    {
        const QString year = v(kReportPage, Form3cebPoints::Paragraph1, Form3cebPoints::YearField);
        return year.isEmpty() ? m_model.key().yearKey : year;
    }

    void report()
    {
        for (const QString &line : {QStringLiteral("Form No 3CEB"), QStringLiteral("[See rule 10E]")})
            w.line(line, Centre, true);
        for (const QString &line : {QStringLiteral("Report from an accountant to be furnished under section"),
                                    QStringLiteral("92E relating to international transaction(s) and"),
                                    QStringLiteral("specified domestic transaction(s)")})
            w.line(line, Centre);
        const QString udin = v(kReportPage, Form3cebPoints::Udin, 1);
        if (!udin.isEmpty())
            w.line(QStringLiteral("UDIN : ") + ControlCodes::bold(udin), Right);
        w.blank();

        const QString p1 = Form3cebPoints::Paragraph1;
        paragraph(QStringLiteral("1. ") + v(kReportPage, p1, 1) +
                  QStringLiteral(" have examined the accounts and records of ") + v(kReportPage, p1, 2) +
                  QStringLiteral(", ") + v(kReportPage, p1, 3) + QStringLiteral(" PAN- ") +
                  v(kReportPage, p1, 4) +
                  QStringLiteral(" relating to the international transaction(s) and the specified domestic "
                                 "transaction(s) entered into by the assessee during the ") +
                  QStringLiteral("previous year ending on ") + PrintedWords::yearEnd(previousYearEnd()) +
                  u'.');
        const QString p2 = QStringLiteral("3CEB2");
        paragraph(
            QStringLiteral("2. In ") + word(1, p2) +
            QStringLiteral(" opinion proper information and documents as are prescribed ") +
            v(kReportPage, p2, 3) + QStringLiteral(" kept by the assessee in respect of the ") +
            QStringLiteral("international transaction(s) and the specified domestic transaction(s) entered "
                           "into so far as appears from ") +
            word(2, p2) + QStringLiteral(" examination of the records of the assessee."));
        if (!v(kReportPage, p2, 4).isEmpty())
            paragraph(v(kReportPage, p2, 4));
        const QString p3 = QStringLiteral("3CEB3");
        paragraph(
            QStringLiteral("3.The particulars required to be furnished under section 92E are given in the "
                           "Annexure to this Form. ") +
            QStringLiteral("In ") + word(1, p3) + QStringLiteral(" opinion and to the best of ") +
            word(2, p3) + u' ' + PrintedWords::InformationAndTheExplanations + u' ' + word(3, p3) +
            QStringLiteral(", the particulars given in the Annexure are true and correct."));
        if (!v(kReportPage, p3, 4).isEmpty())
            paragraph(v(kReportPage, p3, 4));
        w.blank();
        signature();
    }

    void paragraph(const QString &text)
    {
        w.line(text, Justify);
        w.blank();
    }

    // The accountant as the host knows him, with what page 1 holds taking precedence:
    // the report is signed as it was entered.
    void signature()
    {
        const QString other = Form3cebPoints::Accountant;
        Accountant accountant = Accountant::ofReport(m_model);
        if (!v(kReportPage, other, Form3cebPoints::NameField).isEmpty())
            accountant.name = properCase(v(kReportPage, other, Form3cebPoints::NameField));
        if (!v(kReportPage, other, Form3cebPoints::AddressField).isEmpty())
            accountant.address = properCase(v(kReportPage, other, Form3cebPoints::AddressField));
        if (!v(kReportPage, other, Form3cebPoints::MembershipField).isEmpty())
            accountant.membershipNo = v(kReportPage, other, Form3cebPoints::MembershipField);
        if (!v(kReportPage, other, Form3cebPoints::FirmRegField).isEmpty())
            accountant.firmRegNo = v(kReportPage, other, Form3cebPoints::FirmRegField);
        accountant.writeSignature(w, m_setup, v(kReportPage, other, 6), properCase(v(kReportPage, other, 5)));
    }

    // The end of the Annexure: the assessee's signatories in their order, with designation
    // and DIN, beside the accountant's block.
    void closingSignature()
    {
        QStringList middle;
        if (hasHost()) {
            middle << QStringLiteral("For ") + host().ClientName();
            for (const Signatory &signatory : Signatory::ofClient(m_model.key().client)) {
                middle << QString() << properCase(signatory.name.trimmed());
                QString line = signatory.designation.trimmed();
                if (!signatory.din.trimmed().isEmpty())
                    line += QStringLiteral(" (DIN : ") + signatory.din.trimmed() + u')';
                middle << line;
            }
        }
        const QString other = Form3cebPoints::Accountant;
        Accountant accountant = Accountant::ofReport(m_model);
        if (!v(kReportPage, other, Form3cebPoints::NameField).isEmpty())
            accountant.name = properCase(v(kReportPage, other, Form3cebPoints::NameField));
        if (!v(kReportPage, other, Form3cebPoints::MembershipField).isEmpty())
            accountant.membershipNo = v(kReportPage, other, Form3cebPoints::MembershipField);
        if (!v(kReportPage, other, Form3cebPoints::FirmRegField).isEmpty())
            accountant.firmRegNo = v(kReportPage, other, Form3cebPoints::FirmRegField);
        QStringList right{QStringLiteral("For ") + accountant.firmName,
                          QStringLiteral("Chartered Accountants"),
                          QString(),
                          accountant.name,
                          QStringLiteral("M. No. : ") + accountant.membershipNo,
                          QStringLiteral("FRN : ") + accountant.firmRegNo};
        if (m_setup.auditorPan || m_setup.firmPan)
            right << QStringLiteral("PAN : ") + accountant.pan;
        middle << QString() << QStringLiteral("Date   : ") + v(kReportPage, other, 6)
               << QStringLiteral("Place : ") + properCase(v(kReportPage, other, 5));
        w.columns(PrintedLayouts::ClosingSignatures, {Left, Left, Left});
        for (qsizetype i = 0; i < std::max(middle.size(), right.size()); ++i)
            w.plain({QString(), middle.value(i), right.value(i)});
    }

    // The remarks of the clauses, after each clause or all at the end as the setup says.
    void remarks()
    {
        if (m_pendingRemarks.isEmpty())
            return;
        w.blank();
        w.columns(PrintedLayouts::Labelled, {Left, Justify});
        w.plain({ControlCodes::bold(QStringLiteral("Remarks")), QString()});
        for (const auto &[label, text] : std::as_const(m_pendingRemarks))
            w.plain(
                {QStringLiteral("Clause ") + label, m_setup.remarksBold ? ControlCodes::bold(text) : text});
        m_pendingRemarks.clear();
    }

    void collectRemark(const Clause &clause)
    {
        const QString text = v(301, clause.remarkPoint(), 1);
        if (clause.remarks && !text.isEmpty())
            m_pendingRemarks.append({clause.label, text});
    }

    void annexure()
    {
        w.line(QStringLiteral("ANNEXURE TO FORM NO. 3CEB"), Centre, true);
        w.line(QStringLiteral("Particulars relating to international transactions and specified domestic "
                              "transactions"),
               Centre);
        w.line(QStringLiteral("required to be furnished under section 92E of the Income-tax Act, 1961"),
               Centre);
        w.blank();
        partA();
        w.blank();
        w.line(QStringLiteral("PART B (International Transactions)"), Left, true);
        // Part C opens with clause 21, the list of enterprises of specified domestic transactions.
        bool partC = false;
        for (int page = 3; page <= 12; ++page) {
            const Page *p = Form3cebCatalogue::instance().page(page);
            for (const Clause &clause : p ? p->clauses : QList<Clause>()) {
                if (!partC && clause.key == QLatin1String("21")) {
                    partC = true;
                    w.blank();
                    w.line(QStringLiteral("PART C (Specified domestic transaction)"), Left, true);
                }
                for (const Control &control : clause.controls) {
                    if (control.type == ControlType::Grid)
                        transactionClause(page, clause, control);
                }
                collectRemark(clause);
                if (m_setup.remarksPlace != PrintSetup::AtTheEnd)
                    remarks();
            }
        }
    }

    void partA()
    {
        w.line(QStringLiteral("PART A"), Left, true);
        const QString head = Form3cebPoints::Paragraph1;
        const int year = m_model.key().yearKey.toInt();
        answer(1, QStringLiteral("Name of the assessee"), v(kReportPage, head, 2));
        answer(2, QStringLiteral("Address"), v(kReportPage, head, 3));
        answer(3, QStringLiteral("Permanent Account Number"), v(kReportPage, head, 4));
        answer(4, QStringLiteral("Nature of business or activities of the assessee"), v(2, head, 2));
        sections();
        answer(5, QStringLiteral("Status"), v(2, head, 1));
        answer(6, QStringLiteral("Previous year ended"), PrintedWords::yearEnd(previousYearEnd()));
        answer(7, QStringLiteral("Assessment year"), ReportKey::twoYears(year));
        answer(8, QStringLiteral("Aggregate value of international transactions as per books of accounts"),
               aggregate(3, 9));
        answer(9,
               QStringLiteral("Aggregate value of specified domestic transactions as per books of accounts"),
               aggregate(10, 12));
    }

    // The total of the books' amounts of the transactions of the clauses answered Yes on
    // the pages given.
    QString aggregate(int firstPage, int lastPage) const
    {
        double total = 0;
        for (const Catalogue::TransactionType &type : Form3cebCatalogue::instance().transactionTypes()) {
            if (type.page < firstPage || type.page > lastPage ||
                (!type.flag.isEmpty() && !Vocabulary::isYes(v(type.page, type.flag, 1))))
                continue;
            for (const XmlElement &element : type.elements) {
                if (element.name != BooksAmount)
                    continue;
                for (const ReportModel::Row &row : m_model.rows(type.page, type.point))
                    total += row.col(element.col).trimmed().toDouble();
            }
        }
        return QString::number(total, 'f', 2);
    }

    void answer(int serial, const QString &caption, const QString &value)
    {
        w.columns(PrintedLayouts::Particulars, {Centre, Left, Centre, Left});
        w.plain({QString::number(serial), caption, QStringLiteral(":"), value});
    }

    // The sector, sub-sector and code of each section the assessee works in (point 4).
    void sections()
    {
        const QList<ReportModel::Row> rows = filled(m_model.rows(2, QStringLiteral("4")));
        if (rows.isEmpty())
            return;
        w.columns(PrintedLayouts::Sections, {Centre, Left, Centre, Left, Left, Left});
        const QString masks = QStringLiteral("000111");
        w.rowWithMasks({QString(), QString(), QString(), QStringLiteral("Sector"),
                        QStringLiteral("Sub Sector"), QStringLiteral("Code")},
                       masks, masks, masks, masks);
        for (const ReportModel::Row &row : rows)
            w.rowWithMasks({QString(), QString(), QString(), row.col(1), row.col(2), row.col(3)}, masks,
                           masks, masks, masks);
    }

    void transactionClause(int page, const Clause &clause, const Control &grid)
    {
        const QString heading = groupHeadings().value(clause.key);
        if (!heading.isEmpty()) {
            w.blank();
            w.columns(PrintedLayouts::GroupHeading, {Left, Left});
            w.plain({QString(), ControlCodes::bold(heading)});
        }
        bool answered = true;
        if (!clause.option.isEmpty()) {
            const bool yes = Vocabulary::isYes(v(page, clause.option, 1));
            answered = yes;
            w.columns(PrintedLayouts::Question, {Left, Justify, Centre});
            w.plain({clause.label, clause.caption, yes ? Yes : QStringLiteral("No")});
        } else {
            w.columns(PrintedLayouts::GroupHeading, {Left, Left});
            w.plain({clause.label, clause.caption});
        }
        if (answered)
            table(page, clause, grid);
    }

    // A clause's grid: its shown columns, the enterprise's identification after its name and
    // address as the Annexure has it, rows in the order of their serial numbers.
    void table(int page, const Clause &clause, const Control &grid)
    {
        QList<int> order;
        for (int c = 0; c < grid.columns.size(); ++c) {
            if (!grid.columns.at(c).hidden)
                order << c;
        }
        const TransactionType *type = Form3cebCatalogue::instance().transactionTypeAt(page, grid.point);
        if (type && type->identityColumn > 2) {
            const int identity = type->identityColumn - 1;
            order.removeOne(identity);
            order.removeOne(identity + 1);
            order.insert(std::min(2, int(order.size())), identity);
            order.insert(std::min(3, int(order.size())), identity + 1);
        }
        QList<FittedTable::Column> columns;
        QList<int> shown;
        for (int c : std::as_const(order)) {
            if (c >= grid.columns.size() || grid.columns.at(c).hidden)
                continue;
            shown << c;
            columns << FittedTable::Column{printedHeading(clause.key, grid.columns.at(c).heading),
                                           grid.columns.at(c).kind == Kind::Amount};
        }
        QList<QStringList> cells;
        for (const ReportModel::Row &row : bySerial(filled(m_model.rows(page, grid.point)))) {
            QStringList line;
            for (int c : shown)
                line << row.col(c + 1);
            cells << line;
        }
        FittedTable::write(w, columns, cells, PrintedLayouts::form3cebClause(clause.key));
    }

    static QList<ReportModel::Row> filled(QList<ReportModel::Row> rows)
    {
        const int serial = Form3cebCatalogue::instance().serialColumn();
        rows.removeIf([serial](const ReportModel::Row &row) {
            for (int c = 1; c < serial; ++c) {
                if (!row.col(c).trimmed().isEmpty())
                    return false;
            }
            return true;
        });
        return rows;
    }

    static QList<ReportModel::Row> bySerial(QList<ReportModel::Row> rows)
    {
        return PrintedValues::inSerialOrder(std::move(rows), Form3cebCatalogue::instance().serialColumn());
    }

    ReportEngine &m_engine;
    ReportWriter w;
    const ReportModel &m_model;
    const PrintSetup m_setup;
    QList<QPair<QString, QString>> m_pendingRemarks; // clause label, remark
};

} // namespace

bool build(ReportEngine &engine, const ReportModel &model)
{
    if (!AuditReport::isFilled(model, 1))
        return false;
    Builder(engine, model).run();
    return true;
}

} // namespace Form3cebReport
