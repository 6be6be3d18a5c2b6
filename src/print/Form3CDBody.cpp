#include "Form3CDBody.h"

#include "Accountant.h"
#include "AssesseeParticulars.h"
#include "ControlCodes.h"
#include "DepreciationReport.h"
#include "FittedTable.h"
#include "PrintChoices.h"
#include "PrintSetup.h"
#include "PrintedGrid.h"
#include "PrintedValues.h"
#include "PrintedWords.h"
#include "ReportEngine.h"
#include "ReportWriter.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/FormWording.h"
#include "catalogue/PartAPoints.h"
#include "catalogue/PrintedLayouts.h"
#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>

namespace Form3CDBody
{

namespace
{

constexpr int Left = ReportRow::Left;
constexpr int Centre = ReportRow::Centre;
constexpr int Right = ReportRow::Right;
constexpr int Justify = ReportRow::Justify;

// The rows from which a grid too wide for the page goes on wide pages.
constexpr qsizetype LongGrid = 10;

using Catalogue::Clause;
using Catalogue::Column;
using Catalogue::Control;

int alignmentOf(Catalogue::Kind kind)
{
    switch (kind) {
    case Catalogue::Kind::Amount:
    case Catalogue::Kind::Whole:
        return Right;
    case Catalogue::Kind::Date:
        return Centre;
    default:
        return Left;
    }
}

// The clause number a key starts with: "21" for "21bia", "36" for "36A".
QString clauseNumber(const QString &key)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+"));
    return digits.match(key).captured();
}

class Body
{
public:
    Body(ReportWriter &writer, const ReportModel &model, const PrintChoices &choices, const PrintSetup &setup)
        : w(writer), m_model(model), m_choices(choices), m_setup(setup)
    {
    }

    void title()
    {
        w.line(QStringLiteral("FORM NO. 3CD"), Centre, true);
        w.line(QStringLiteral("[See rule 6G(2)]"), Centre);
        w.line(QStringLiteral("Statement of particulars required to be furnished under section 44AB of the "
                              "Income-tax Act, 1961"),
               Centre, true);
        w.blank();
    }

    void partHeading(const QString &text) { w.line(text, Centre, true); }

    void partA()
    {
        partHeading(QStringLiteral("PART - A"));
        const AssesseeParticulars assessee =
            m_choices.blank ? AssesseeParticulars::blank() : AssesseeParticulars::of(m_model);
        simple(QStringLiteral("1"), QStringLiteral("Name of the assessee"), assessee.name);
        simple(QStringLiteral("2"), QStringLiteral("Address"), assessee.address);
        simple(QStringLiteral("3"), QStringLiteral("Permanent Account Number (PAN) or Aadhaar Number"),
               assessee.pan);
        // The page keeps clauses 5 to 7 in one box ahead of clause 4; the form numbers them in order.
        QList<const Clause *> clauses;
        for (const Clause &clause : ClauseCatalogue::instance().page(2)->clauses)
            clauses << &clause;
        auto number = [](const Clause *c) {
            return c->key == QLatin1String("3CD_A") ? 5 : clauseNumber(c->key).toInt();
        };
        std::stable_sort(clauses.begin(), clauses.end(),
                         [&](const Clause *a, const Clause *b) { return number(a) < number(b); });
        for (const Clause *c : clauses) {
            const Clause &clause = *c;
            if (clause.key == QLatin1String("3CD_A")) {
                const QString statusPoint = PartAPoints::Particulars;
                simple(QStringLiteral("5"), QStringLiteral("Status"),
                       blankOr(m_model.value(2, statusPoint, 2)));
                simple(QStringLiteral("6"), QStringLiteral("Previous year"),
                       m_choices.blank ? PrintedValues::BlankValue
                                       : QStringLiteral("From ") + m_model.value(2, statusPoint, 3) +
                                             QStringLiteral(" to ") + m_model.value(2, statusPoint, 4));
                simple(QStringLiteral("7"), QStringLiteral("Assessment year"),
                       blankOr(m_model.value(2, statusPoint, 5)));
                continue;
            }
            clausePrint(2, clause);
        }
    }

    void partB()
    {
        partHeading(QStringLiteral("PART - B"));
        for (const Catalogue::Page &page : ClauseCatalogue::instance().pages()) {
            if (page.number < 3 || page.number > 20)
                continue;
            for (const Clause &clause : page.clauses) {
                if (m_setup.remarksPlace == PrintSetup::AfterEachClause && !m_lastNumber.isEmpty() &&
                    clauseNumber(clause.key) != m_lastNumber)
                    flushRemarks();
                m_lastNumber = clauseNumber(clause.key);
                // The clauses of one group stand together, as in one table of the form.
                const QStringList group = PrintedLayouts::form3cdGroupOf(clause.key);
                if (!m_lastGroup.isEmpty() && group != m_lastGroup)
                    w.blank();
                m_lastGroup = group;
                clausePrint(page.number, clause);
                if (m_setup.remarksPlace == PrintSetup::AfterEachSubClause)
                    flushRemarks();
            }
        }
        if (m_setup.remarksPlace == PrintSetup::AfterEachClause)
            flushRemarks();
    }

    void remarksAtEnd()
    {
        if (m_pendingRemarks.isEmpty())
            return;
        w.blank();
        if (m_setup.remarksHeading)
            w.line(QStringLiteral("Remarks"), Left, true);
        flushRemarks();
    }

    // The annexure starts a page, a wide one when its first clause needs it; each clause after
    // goes on the page its table needs, the depreciation clause's being its chart.
    void annexure()
    {
        if (m_annexed.isEmpty())
            return;
        ReportEngine &engine = w.engine();
        auto wide = [this](int page, const Clause &clause) {
            return clause.key == QLatin1String("18") || wantsWidePage(page, clause);
        };
        engine.startSection(wide(m_annexed.first().first, *m_annexed.first().second));
        w.line(QStringLiteral("ANNEXURE TO FORM NO. 3CD"), Centre, true);
        w.blank();
        for (const auto &[page, clause] : m_annexed) {
            if (wide(page, *clause) != engine.wide())
                engine.startSection(!engine.wide());
            captionRow(clause->label, clause->caption);
            if (clause->key == QLatin1String("18") && depreciationChart()) {
                w.blank();
                continue;
            }
            for (const Control &control : clause->controls)
                controlPrint(page, control);
            w.blank();
        }
    }

    // The depreciation clause's annexure is its chart, as the depreciation report draws it;
    // false when the chart cannot be made.
    bool depreciationChart()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("18.rtf"));
        return folder.isValid() && DepreciationReport::saveChart(m_model, path) &&
               w.engine().InsertTblFromFile(path);
    }

    void signature(const Accountant &accountant)
    {
        w.blank();
        if (m_choices.blank) {
            Accountant blank;
            blank.firmName = blank.name = blank.membershipNo = blank.firmRegNo = PrintedValues::BlankValue;
            blank.writeSignature(w, m_setup, PrintedValues::BlankValue, PrintedValues::BlankValue);
            return;
        }
        accountant.writeSignature(w, m_setup, PrintedValues::signingDate(m_model),
                                  PrintedValues::signingPlace(m_model));
    }

private:
    QString blankOr(const QString &value) const
    {
        return m_choices.blank ? PrintedValues::BlankValue : value.trimmed();
    }

    void captionRow(const QString &label, const QString &caption)
    {
        w.columns(PrintedLayouts::Labelled, {Left, Justify});
        w.plain({ControlCodes::bold(label), caption});
    }

    void answerRow(const QString &answer)
    {
        w.columns(PrintedLayouts::Labelled, {Left, Left});
        w.plain({QString(), ControlCodes::bold(answer)});
    }

    void simple(const QString &label, const QString &caption, const QString &value)
    {
        w.columns(PrintedLayouts::CaptionValue, {Left, Left, Left});
        w.plain({ControlCodes::bold(label), caption, value});
    }

    bool ticked(int page, const QString &point) const
    {
        return !point.isEmpty() && m_model.value(page, point).trimmed() == QLatin1String("1");
    }

    // A clause with a long grid too wide for the page stands, caption and all, on wide pages
    // of its own.
    void clausePrint(int page, const Clause &clause)
    {
        const bool wide = !w.engine().wide() && printsControls(page, clause) && wantsWidePage(page, clause);
        if (wide)
            w.engine().startSection(true);
        clauseLines(page, clause);
        if (wide)
            w.engine().startSection(false);
    }

    void clauseLines(int page, const Clause &clause)
    {
        captionRow(clause.label, clause.caption);
        if (!m_choices.blank && ticked(page, clause.na)) {
            answerRow(FormWording::NotApplicable);
            collectRemark(clause);
            return;
        }
        if (!clause.option.isEmpty()) {
            const QString answer = m_choices.blank ? QStringLiteral("Yes / No")
                                                   : PrintedValues::yesNo(m_model.value(page, clause.option));
            answerRow(answer.isEmpty() ? Vocabulary::No : answer);
            // A clause answered No (or not due) has nothing more to say.
            if (!m_choices.blank && answer != Vocabulary::Yes) {
                collectRemark(clause);
                return;
            }
        }
        if (!m_choices.blank && ticked(201, clause.annex)) {
            answerRow(PrintedValues::AsPerAnnexure);
            m_annexed.append({page, &clause});
        } else {
            for (const Control &control : clause.controls)
                controlPrint(page, control);
        }
        collectRemark(clause);
    }

    void controlPrint(int page, const Control &control)
    {
        switch (control.type) {
        case Catalogue::ControlType::Grid:
            gridPrint(page, control);
            break;
        case Catalogue::ControlType::Fields:
            fieldsPrint(page, control);
            break;
        case Catalogue::ControlType::Choice:
            answerRow(m_choices.blank ? PrintedValues::BlankValue
                                      : (Vocabulary::isYes(m_model.value(page, control.point))
                                             ? control.captions.value(0)
                                             : control.captions.value(1)));
            break;
        default: {
            QString v = blankOr(m_model.value(page, control.point));
            if (v.isEmpty())
                v = QStringLiteral("Nil");
            if (!control.caption.isEmpty()) {
                simple(QString(), control.caption, v);
            } else {
                answerRow(v);
            }
        }
        }
    }

    void fieldsPrint(int page, const Control &control)
    {
        w.columns(PrintedLayouts::CaptionValue, {Left, Left, Right});
        for (int f = 0; f < control.fields.size(); ++f)
            w.boxed({QString(), control.fields.at(f).caption,
                     blankOr(m_model.value(page, control.point, f + 1))});
    }

    // A grid as it prints: its columns, and its rows with the serial first ("Nil" or "NA" in
    // place of none); markerOnly when the portal's layout shows the marker alone.
    struct GridRows {
        QList<FittedTable::Column> columns;
        QList<QStringList> rows;
        QString marker;
        bool markerOnly = false;
    };

    // A grid's rows as printed, read once for the wide-page test and the print that follows it.
    GridRows gridRows(int page, const Control &control) const
    {
        if (m_lastGrid.page != page || m_lastGrid.point != control.point) {
            m_lastGrid.rows = readGridRows(page, control);
            m_lastGrid.page = page;
            m_lastGrid.point = control.point;
        }
        return m_lastGrid.rows;
    }

    GridRows readGridRows(int page, const Control &control) const
    {
        GridRows g;
        const QList<int> shown = PrintedGrid::shownColumns(control);
        for (int c : shown) {
            const Column &column = control.columns.at(c);
            g.columns << FittedTable::Column{column.heading, alignmentOf(column.kind) == Right};
        }
        if (m_choices.blank) {
            g.rows << QStringList(shown.size() + 1);
            return g;
        }
        const PrintedGrid grid = PrintedGrid::of(m_model, page, control.point, shown);
        g.marker = grid.marker;
        g.markerOnly = grid.rows.isEmpty() && m_choices.itdPortal;
        g.rows = grid.rows;
        if (g.rows.isEmpty()) {
            QStringList cells{QString()};
            for (int i = 0; i < shown.size(); ++i)
                cells << (i == 0 || !m_choices.nilFirstColumnOnly ? grid.marker : QString());
            g.rows << cells;
        }
        return g;
    }

    // The grid as a table: a line a row under the column headings, the serial first.
    void gridPrint(int page, const Control &control)
    {
        const GridRows g = gridRows(page, control);
        if (g.markerOnly) {
            answerRow(g.marker);
            return;
        }
        FittedTable::writeSerialled(w, QStringLiteral("Sr. No."), g.columns, g.rows);
    }

    // Whether the clause's controls print (not marked not applicable, not answered No, not
    // kept as per annexure).
    bool printsControls(int page, const Clause &clause) const
    {
        if (m_choices.blank)
            return false;
        if (ticked(page, clause.na) || ticked(201, clause.annex))
            return false;
        return clause.option.isEmpty() || Vocabulary::isYes(m_model.value(page, clause.option));
    }

    // A long grid too wide for the page even in the smallest type reads better on wide pages
    // than in bands of columns, where each row has to be found again in every band; a short
    // one stays in bands beside the clauses around it.
    bool wantsWidePage(int page, const Clause &clause) const
    {
        for (const Control &control : clause.controls) {
            if (control.type != Catalogue::ControlType::Grid)
                continue;
            const GridRows g = gridRows(page, control);
            if (g.rows.size() >= LongGrid && !FittedTable::fitsAcross(w.engine(), g.columns, g.rows, false))
                return true;
        }
        return false;
    }

    void collectRemark(const Clause &clause)
    {
        if (!clause.remarks || m_choices.blank)
            return;
        const QString text = m_model.value(301, clause.remarkPoint()).trimmed();
        if (text.isEmpty())
            return;
        const bool awayFromClause = m_setup.remarksPlace == PrintSetup::AtTheEnd ||
                                    m_setup.remarksPlace == PrintSetup::AfterEachClause;
        const QString line = PrintedWords::remarkLine(text, awayFromClause ? clause.label : QString());
        m_pendingRemarks << (m_setup.remarksBold ? ControlCodes::bold(line) : line);
    }

    void flushRemarks()
    {
        if (m_pendingRemarks.isEmpty())
            return;
        w.columns(PrintedLayouts::Labelled, {Left, Justify});
        for (const QString &remark : std::as_const(m_pendingRemarks))
            w.plain({QString(), remark});
        m_pendingRemarks.clear();
    }

    ReportWriter &w;
    const ReportModel &m_model;
    const PrintChoices &m_choices;
    const PrintSetup &m_setup;
    QStringList m_pendingRemarks;
    QString m_lastNumber;
    QStringList m_lastGroup;
    QList<QPair<int, const Clause *>> m_annexed;
    struct LastGrid {
        int page = -1;
        QString point;
        GridRows rows;
    };
    mutable LastGrid m_lastGrid;
};

} // namespace

void write(ReportWriter &writer, const ReportModel &model, const PrintChoices &choices,
           const PrintSetup &setup, const Accountant &accountant)
{
    Body body(writer, model, choices, setup);
    body.title();
    body.partA();
    body.partB();
    body.remarksAtEnd();
    body.signature(accountant);
    body.annexure();
}

} // namespace Form3CDBody
