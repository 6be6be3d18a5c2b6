#include "Form3cebReport.h"

#include "Accountant.h"
#include "AuditReport.h"
#include "ControlCodes.h"
#include "FittedTable.h"
#include "PrintSetup.h"
#include "PrintedValues.h"
#include "ReportEngine.h"
#include "ReportWriter.h"
#include "base/Prompt.h"
#include "catalogue/Form3cebCatalogue.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"

#include <QHash>

using namespace Catalogue;

namespace Form3cebReport
{

namespace
{

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

class Builder
{
public:
    Builder(ReportEngine &engine, const ReportModel &model) : m_engine(engine), w(engine), m_model(model) {}

    void run()
    {
        m_engine.WinModeReport = true;
        m_engine.SetCol130(false);
        m_engine.NewReport();
        report();
        m_engine.PrintText(ControlCodes::FormFeed + u';');
        annexure();
        if (PrintSetup::read(m_model).footer)
            AuditReport::writeFooter(m_engine, m_model.key().yearKey,
                                     hasHost() ? host().ClientName() : QString());
        m_engine.ShowReport();
    }

private:
    QString v(int page, const QString &point, int col) const
    {
        return m_model.value(page, point, col).trimmed();
    }
    QString word(int col, const QString &point) const { return v(1, point, col).toLower(); }
    QString previousYearEnd() const
    {
        const QString year = v(1, QStringLiteral("3CEB1"), 5);
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
        const QString udin = v(1, QStringLiteral("UDIN"), 1);
        if (!udin.isEmpty())
            w.line(QStringLiteral("UDIN : ") + ControlCodes::bold(udin), Right);
        w.blank();

        const QString p1 = QStringLiteral("3CEB1");
        paragraph(QStringLiteral("1. ") + v(1, p1, 1) +
                  QStringLiteral(" have examined the accounts and records of ") + v(1, p1, 2) +
                  QStringLiteral(", ") + v(1, p1, 3) + QStringLiteral(" PAN- ") + v(1, p1, 4) +
                  QStringLiteral(" relating to the international transaction(s) and the specified domestic "
                                 "transaction(s) entered into by the assessee during the ") +
                  QStringLiteral("previous year ending on 31st March, ") + previousYearEnd() + u'.');
        const QString p2 = QStringLiteral("3CEB2");
        paragraph(
            QStringLiteral("2. In ") + word(1, p2) +
            QStringLiteral(" opinion proper information and documents as are prescribed ") + v(1, p2, 3) +
            QStringLiteral(" kept by the assessee in respect of the ") +
            QStringLiteral("international transaction(s) and the specified domestic transaction(s) entered "
                           "into so far as appears from ") +
            word(2, p2) + QStringLiteral(" examination of the records of the assessee."));
        if (!v(1, p2, 4).isEmpty())
            paragraph(v(1, p2, 4));
        const QString p3 = QStringLiteral("3CEB3");
        paragraph(
            QStringLiteral("3.The particulars required to be furnished under section 92E are given in the "
                           "Annexure to this Form. ") +
            QStringLiteral("In ") + word(1, p3) + QStringLiteral(" opinion and to the best of ") +
            word(2, p3) + QStringLiteral(" information and according to the explanations given to ") +
            word(3, p3) + QStringLiteral(", the particulars given in the Annexure are true and correct."));
        if (!v(1, p3, 4).isEmpty())
            paragraph(v(1, p3, 4));
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
        const QString other = QStringLiteral("3CEBOTH");
        Accountant accountant = Accountant::ofReport(m_model);
        if (!v(1, other, 1).isEmpty())
            accountant.name = properCase(v(1, other, 1));
        if (!v(1, other, 2).isEmpty())
            accountant.address = properCase(v(1, other, 2));
        if (!v(1, other, 3).isEmpty())
            accountant.membershipNo = v(1, other, 3);
        if (!v(1, other, 4).isEmpty())
            accountant.firmRegNo = v(1, other, 4);
        accountant.writeSignature(w, PrintSetup::read(m_model), v(1, other, 6), properCase(v(1, other, 5)));
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
            }
        }
    }

    void partA()
    {
        w.line(QStringLiteral("PART A"), Left, true);
        const QString head = QStringLiteral("3CEB1");
        const int year = m_model.key().yearKey.toInt();
        answer(1, QStringLiteral("Name of the assessee"), v(1, head, 2));
        answer(2, QStringLiteral("Address"), v(1, head, 3));
        answer(3, QStringLiteral("Permanent Account Number"), v(1, head, 4));
        answer(4, QStringLiteral("Nature of business or activities of the assessee"), v(2, head, 2));
        sections();
        answer(5, QStringLiteral("Status"), v(2, head, 1));
        answer(6, QStringLiteral("Previous year ended"), QStringLiteral("31st March, ") + previousYearEnd());
        answer(7, QStringLiteral("Assessment year"),
               QStringLiteral("%1-%2").arg(year).arg((year + 1) % 100, 2, 10, QLatin1Char('0')));
        answer(8, QStringLiteral("Whether the assessee has entered into international transactions"),
               PrintedValues::yesNo(v(2, head, 3)));
        answer(9, QStringLiteral("Whether the assessee has entered into specified domestic transactions"),
               PrintedValues::yesNo(v(2, head, 4)));
    }

    void answer(int serial, const QString &caption, const QString &value)
    {
        w.columns(QStringLiteral("4,40,2,54"), {Centre, Left, Centre, Left});
        w.plain({QString::number(serial), caption, QStringLiteral(":"), value});
    }

    // The sector, sub-sector and code of each section the assessee works in (point 4).
    void sections()
    {
        const QList<ReportModel::Row> rows = filled(m_model.rows(2, QStringLiteral("4")));
        if (rows.isEmpty())
            return;
        const Control *grid = gridOf(2, QStringLiteral("4"));
        w.columns(QStringLiteral("4,40,2,20,20,14"), {Centre, Left, Centre, Left, Left, Left});
        const QString masks = QStringLiteral("000111");
        QStringList heading{QString(), QString(), QString()};
        for (int c = 0; c < 3; ++c)
            heading << (grid && c < grid->columns.size() ? grid->columns.at(c).heading : QString());
        w.rowWithMasks(heading, masks, masks, masks, masks);
        for (const ReportModel::Row &row : rows)
            w.rowWithMasks({QString(), QString(), QString(), row.col(1), row.col(2), row.col(3)}, masks,
                           masks, masks, masks);
    }

    const Control *gridOf(int page, const QString &point) const
    {
        const Page *p = Form3cebCatalogue::instance().page(page);
        if (!p)
            return nullptr;
        for (const Clause &clause : p->clauses) {
            for (const Control &control : clause.controls) {
                if (control.type == ControlType::Grid && control.point == point)
                    return &control;
            }
        }
        return nullptr;
    }

    void transactionClause(int page, const Clause &clause, const Control &grid)
    {
        const QString heading = groupHeadings().value(clause.key);
        if (!heading.isEmpty()) {
            w.blank();
            w.columns(QStringLiteral("7,93"), {Left, Left});
            w.plain({QString(), ControlCodes::bold(heading)});
        }
        bool answered = true;
        if (!clause.option.isEmpty()) {
            const bool yes = Vocabulary::isYes(v(page, clause.option, 1));
            answered = yes;
            w.columns(QStringLiteral("7,83,10"), {Left, Justify, Centre});
            w.plain({clause.label, clause.caption, yes ? Yes : QStringLiteral("No")});
        } else {
            w.columns(QStringLiteral("7,93"), {Left, Left});
            w.plain({clause.label, clause.caption});
        }
        if (answered)
            table(page, grid);
    }

    // A clause's grid: its shown columns, rows in the order of their serial numbers.
    void table(int page, const Control &grid)
    {
        QList<FittedTable::Column> columns;
        QList<int> shown;
        for (int c = 0; c < grid.columns.size(); ++c) {
            if (grid.columns.at(c).hidden)
                continue;
            shown << c;
            columns << FittedTable::Column{grid.columns.at(c).heading,
                                           grid.columns.at(c).kind == Kind::Amount};
        }
        QList<QStringList> cells;
        for (const ReportModel::Row &row : bySerial(filled(m_model.rows(page, grid.point)))) {
            QStringList line;
            for (int c : shown)
                line << row.col(c + 1);
            cells << line;
        }
        FittedTable::write(w, columns, cells);
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
};

} // namespace

bool build(ReportEngine &engine, const ReportModel &model)
{
    if (model.points(1).isEmpty()) {
        prompts().inform(QStringLiteral("Form is not filled please fill the form"));
        return false;
    }
    Builder(engine, model).run();
    return true;
}

} // namespace Form3cebReport
