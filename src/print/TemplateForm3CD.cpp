#include "TemplateForm3CD.h"

#include "Accountant.h"
#include "AssesseeParticulars.h"
#include "ControlCodes.h"
#include "FittedTable.h"
#include "MasterFile.h"
#include "PrintChoices.h"
#include "PrintSetup.h"
#include "PrintedGrid.h"
#include "PrintedValues.h"
#include "PrintedWords.h"
#include "ReportEngine.h"
#include "Signatory.h"
#include "TemplateMarkers.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/FormWording.h"
#include "catalogue/PartAPoints.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"

#include <QRegularExpression>
#include <algorithm>

namespace TemplateForm3CD
{

namespace
{

using Catalogue::Clause;
using Catalogue::Control;
using TemplateMarkers::setAll;

const QString Ruled = QStringLiteral("1111");
// About as many characters of the templates' type (9 points) as a line of a clause's table
// holds beside its label column, and a cell's padding; a grid too wide for it is set in a
// type down to 6 points, then in bands of columns.
constexpr double TemplateType = 9;
constexpr double SmallestType = 6;
constexpr double TemplateLineCharacters = 86;
constexpr double TemplateCellPadding = 1.5;

// The longest word of a cell, bold codes aside.
qsizetype longestWord(const QString &cell)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    qsizetype longest = 0;
    for (const QString &word :
         QString(cell).remove(ControlCodes::BoldOn).remove(ControlCodes::BoldOff).split(space))
        longest = std::max(longest, word.size());
    return longest;
}

// One row of a clause table: the first column holds a clause label (the annexure's
// captions), the cells fill the columns after it.
struct Line {
    QString label;
    QStringList cells;
    bool ruled = false;
    // A grid's column headings, standing again at the top of each page and each table the
    // grid's rows run onto.
    bool heading = false;
};

// The lines of one table: a grid's rows go into tables of their own, under the grid's headings.
struct Piece {
    QList<Line> lines;
    int headingRows = 0;
};

// The lines in pieces of at most ReportEngine::RowsPerTable lines besides headings: the first
// holds the lines before any grid, each grid opens a piece with its headings, and the lines after
// a grid (a remark, the gap before the next band of columns) start one without them.
QList<Piece> piecesOf(const QList<Line> &lines)
{
    QList<Piece> pieces{Piece{}};
    const Line *heading = nullptr;
    for (const Line &line : lines) {
        if (line.heading) {
            heading = &line;
            pieces << Piece{{line}, 1};
            continue;
        }
        if (heading && !line.ruled) {
            heading = nullptr;
            pieces << Piece{};
        } else if (pieces.last().lines.size() - pieces.last().headingRows >= ReportEngine::RowsPerTable) {
            pieces << (heading ? Piece{{*heading}, 1} : Piece{});
        }
        pieces.last().lines << line;
    }
    return pieces;
}

// The rows that take the place of one "Annex" marker row.
struct Placement {
    QString marker;
    QList<Line> lines;
};

// The clauses whose template shows the answer beside the caption.
QString answerMarker(const QString &key)
{
    if (key == QLatin1String("30C"))
        return TemplateMarkers::Answer30C;
    if (key == QLatin1String("44"))
        return TemplateMarkers::Answer44;
    return {};
}

QString clauseNumber(const QString &key)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+"));
    return digits.match(key).captured();
}

class Filler
{
public:
    Filler(MasterFile &file, const ReportModel &model, const PrintChoices &choices, const PrintSetup &setup)
        : m_file(file), m_model(model), m_choices(choices), m_setup(setup), m_blank(choices.blank)
    {
    }

    void partA()
    {
        const AssesseeParticulars a =
            m_blank ? AssesseeParticulars::blank() : AssesseeParticulars::of(m_model);
        setAll(m_file, TemplateMarkers::Udin, TemplateMarkers::udinLine(m_model, m_blank));
        setAll(m_file, TemplateMarkers::Name, a.name);
        setAll(m_file, TemplateMarkers::Address, a.address);
        setAll(m_file, TemplateMarkers::Pan, a.pan);
        const QString status = PartAPoints::Particulars;
        setAll(m_file, TemplateMarkers::Status, value(2, status, 2));
        setAll(m_file, TemplateMarkers::PreviousYear,
               m_blank ? PrintedValues::BlankValue
                       : value(2, status, 3) + QStringLiteral(" to ") + value(2, status, 4));
        setAll(m_file, TemplateMarkers::AssessmentYear, value(2, status, 5));
        const QString four = answer(2, QStringLiteral("Opt4"));
        setAll(m_file, TemplateMarkers::Answer4, four);
        setAll(m_file, TemplateMarkers::Details4,
               four == QLatin1String("Yes") ? gridText(QStringLiteral("4")) : QString());
        setAll(m_file, TemplateMarkers::Details8,
               m_blank ? PrintedValues::BlankValue : gridText(QStringLiteral("8")));
        const QString eightA = answer(PartAPoints::Page, PartAPoints::Answer8a);
        setAll(m_file, TemplateMarkers::Answer8a, eightA);
        setAll(m_file, TemplateMarkers::Details8a,
               Vocabulary::isYes(eightA) ? value(PartAPoints::Page, PartAPoints::Section8a, 1) : QString());
    }

    void partB()
    {
        QString lastNumber;
        for (const Catalogue::Page &page : ClauseCatalogue::instance().pages()) {
            if (page.number < 3 || page.number > 20)
                continue;
            for (const Clause &clause : page.clauses) {
                const QString number = clauseNumber(clause.key);
                if (m_setup.remarksPlace == PrintSetup::AfterEachClause && number != lastNumber)
                    flushRemarks();
                lastNumber = number;
                clausePlacements(page.number, clause);
                collectRemark(clause);
                if (m_setup.remarksPlace == PrintSetup::AfterEachSubClause)
                    flushRemarks();
            }
        }
        if (m_setup.remarksPlace != PrintSetup::AtTheEnd)
            flushRemarks();
        for (const Placement &placement : std::as_const(m_placements))
            put(placement.marker, placement.lines);
        for (auto it = m_answers.cbegin(); it != m_answers.cend(); ++it)
            setAll(m_file, it.key(), it.value());
    }

    void remarksAtEnd()
    {
        QStringList lines;
        if (!m_pendingRemarks.isEmpty() && m_setup.remarksHeading)
            lines << ControlCodes::bold(QStringLiteral("Remarks"));
        lines << m_pendingRemarks;
        setAll(m_file, TemplateMarkers::Remarks, lines.join(ControlCodes::LineBreak));
        m_pendingRemarks.clear();
    }

    void annexure()
    {
        if (m_annexed.isEmpty()) {
            // Without annexed clauses the annexure table goes, heading and all.
            if (const int table = m_file.FindTextInTable(TemplateMarkers::Annexure)) {
                m_file.CurrentTbId = table;
                for (int row = m_file.tbrows(); row >= 1; --row)
                    m_file.DeleteRow(row);
            }
            return;
        }
        QList<Line> lines;
        for (const auto &[page, clause] : std::as_const(m_annexed)) {
            lines << Line{ControlCodes::bold(clause->label), {clause->caption}};
            for (const Control &control : clause->controls)
                lines << content(page, control);
            lines << Line{};
        }
        put(TemplateMarkers::Annexure, lines);
    }

    bool depreciationChart() const { return m_depreciationChart; }

    void signatures(const Accountant &accountant)
    {
        QString firm, name, designation, din;
        if (!m_blank && m_setup.assesseeSign && hasHost()) {
            firm = QStringLiteral("For ") + host().ClientName();
            const QList<Signatory> signatories = Signatory::ofClient(m_model.key().client);
            if (!signatories.isEmpty()) {
                name = signatories.first().name;
                designation = signatories.first().designation;
                din = signatories.first().din;
            }
        }
        setAll(m_file, TemplateMarkers::FirmName, firm);
        setAll(m_file, TemplateMarkers::SignatoryName, name);
        setAll(m_file, TemplateMarkers::Designation, designation);
        setAll(m_file, TemplateMarkers::Din, din.isEmpty() ? QString() : QStringLiteral("DIN : ") + din);

        TemplateMarkers::setAccountant(m_file, accountant, m_setup, m_blank,
                                       PrintedValues::signingDate(m_model),
                                       PrintedValues::signingPlace(m_model));
    }

private:
    QString value(int page, const QString &point, int col) const
    {
        return m_blank ? PrintedValues::BlankValue : m_model.value(page, point, col).trimmed();
    }

    QString answer(int page, const QString &option) const
    {
        if (m_blank)
            return QStringLiteral("Yes / No");
        const QString answer = PrintedValues::yesNo(m_model.value(page, option));
        return answer.isEmpty() ? QStringLiteral("No") : answer;
    }

    bool ticked(int page, const QString &point) const
    {
        return !point.isEmpty() && m_model.value(page, point).trimmed() == QLatin1String("1");
    }

    // A Part A grid as lines of text, one a row.
    QString gridText(const QString &point) const
    {
        const Control *control = nullptr;
        for (const Clause &clause : ClauseCatalogue::instance().page(2)->clauses) {
            for (const Control &c : clause.controls) {
                if (c.point == point)
                    control = &c;
            }
        }
        if (!control)
            return {};
        QStringList lines;
        for (const QStringList &cells :
             PrintedGrid::of(m_model, 2, point, PrintedGrid::shownColumns(*control)).rows) {
            const QString line = PrintedValues::joined(cells.mid(1), QStringLiteral(", "));
            if (!line.isEmpty())
                lines << line;
        }
        return lines.join(ControlCodes::LineBreak);
    }

    void clausePlacements(int page, const Clause &clause)
    {
        const qsizetype first = m_placements.size();
        if (clause.controls.isEmpty())
            m_placements << Placement{QStringLiteral("Annex") + clause.key, {}};
        for (const Control &control : clause.controls)
            m_placements << Placement{QStringLiteral("Annex") + control.point, {}};
        auto say = [&](const QString &text) {
            const QString marker = answerMarker(clause.key);
            if (marker.isEmpty())
                m_placements[first].lines << Line{{}, {ControlCodes::bold(text)}};
            else
                m_answers.insert(marker, text);
        };
        if (!m_blank && ticked(page, clause.na)) {
            say(FormWording::NotApplicable);
            return;
        }
        if (!clause.option.isEmpty()) {
            const QString a = answer(page, clause.option);
            say(a);
            // A clause answered No (or not due) has nothing more to say.
            if (!m_blank && a != QLatin1String("Yes"))
                return;
        }
        if (!m_blank && ticked(201, clause.annex)) {
            say(PrintedValues::AsPerAnnexure);
            // The depreciation clause's annexure is its chart, which follows the statement.
            if (clause.key == QLatin1String("18"))
                m_depreciationChart = true;
            else
                m_annexed.append({page, &clause});
            return;
        }
        for (int i = 0; i < clause.controls.size(); ++i)
            m_placements[first + i].lines << content(page, clause.controls.at(i));
    }

    QList<Line> content(int page, const Control &control) const
    {
        switch (control.type) {
        case Catalogue::ControlType::Grid:
            return gridLines(page, control);
        case Catalogue::ControlType::Fields: {
            QList<Line> lines;
            for (int f = 0; f < control.fields.size(); ++f)
                lines << Line{{}, {control.fields.at(f).caption, value(page, control.point, f + 1)}, true};
            return lines;
        }
        case Catalogue::ControlType::Choice:
            return {Line{{},
                         {m_blank ? PrintedValues::BlankValue
                                  : (m_model.value(page, control.point) == QLatin1String("Yes")
                                         ? control.captions.value(0)
                                         : control.captions.value(1))}}};
        default: {
            QString v = value(page, control.point, 1);
            if (v.isEmpty())
                v = QStringLiteral("Nil");
            return {control.caption.isEmpty() ? Line{{}, {v}} : Line{{}, {control.caption, v}}};
        }
        }
    }

    QList<Line> gridLines(int page, const Control &control) const
    {
        const QList<int> shown = PrintedGrid::shownColumns(control);
        QList<QStringList> rows;
        QString marker;
        if (!m_blank) {
            const PrintedGrid grid = PrintedGrid::of(m_model, page, control.point, shown);
            rows = grid.rows;
            marker = grid.marker;
            if (rows.isEmpty() && m_choices.itdPortal)
                return {Line{{}, {marker}}};
        }
        const QString empty = m_blank ? PrintedValues::BlankValue : marker;
        QList<Line> lines;
        if (rows.isEmpty()) {
            QStringList cells{QString()};
            for (int i = 0; i < shown.size(); ++i)
                cells << (i == 0 || !m_choices.nilFirstColumnOnly ? empty : QString());
            rows << cells;
        }
        QList<FittedTable::Column> columns;
        for (int c : shown) {
            const Catalogue::Kind kind = control.columns.at(c).kind;
            columns << FittedTable::Column{control.columns.at(c).heading,
                                           kind == Catalogue::Kind::Amount || kind == Catalogue::Kind::Whole};
        }
        // Columns that do not fit across the clause's table follow in a band of their own.
        const double scale = TemplateType / SmallestType;
        const QList<QList<int>> bands =
            FittedTable::bands(columns, rows, TemplateLineCharacters * scale, TemplateCellPadding * scale);
        for (qsizetype b = 0; b < bands.size(); ++b) {
            if (b > 0)
                lines << Line{};
            QStringList headings{ControlCodes::bold(QStringLiteral("Sr. No."))};
            for (int c : bands.at(b))
                headings << ControlCodes::bold(columns.at(c).heading);
            lines << Line{{}, headings, true, true};
            for (const QStringList &row : std::as_const(rows)) {
                QStringList cells{row.value(0)};
                for (int c : bands.at(b))
                    cells << row.value(c + 1);
                lines << Line{{}, cells, true};
            }
        }
        return lines;
    }

    void collectRemark(const Clause &clause)
    {
        if (!clause.remarks || m_blank)
            return;
        const QString text = m_model.value(301, clause.remarkPoint()).trimmed();
        if (text.isEmpty())
            return;
        const bool awayFromClause = m_setup.remarksPlace != PrintSetup::AfterEachSubClause;
        const QString line = PrintedWords::remarkLine(text, awayFromClause ? clause.label : QString());
        m_pendingRemarks << (m_setup.remarksBold ? ControlCodes::bold(line) : line);
    }

    // The remarks gathered so far follow the last clause placed.
    void flushRemarks()
    {
        if (m_pendingRemarks.isEmpty() || m_placements.isEmpty())
            return;
        for (const QString &remark : std::as_const(m_pendingRemarks))
            m_placements.last().lines << Line{{}, {remark}};
        m_pendingRemarks.clear();
    }

    // The lines take the place of the row holding the marker; the first column keeps the
    // clause labels, a table too narrow for a grid's row gets the columns it lacks, and a
    // row of fewer cells spans the rest. The lines before any grid go into the clause's table,
    // the grids into tables of their own after it, each filled in one edit.
    void put(const QString &marker, const QList<Line> &lines)
    {
        int markerRow = 0;
        const int table = m_file.FindTextInTable(marker, &markerRow);
        if (!table)
            return;
        m_file.CurrentTbId = table;
        const int first = m_file.tbcols() > 1 ? 2 : 1;
        qsizetype widest = 1;
        for (const Line &line : lines)
            widest = std::max(widest, line.cells.size());
        if (first + widest - 1 > m_file.tbcols()) {
            m_file.insertcols(first + int(widest) - 1 - m_file.tbcols());
            fitColumns(lines, int(widest));
        }
        const QList<Piece> pieces = piecesOf(lines);
        const QList<Line> &own = pieces.first().lines;
        if (!own.isEmpty()) {
            m_file.insertrows(int(own.size()), markerRow + 1);
            m_file.beginTableEdits();
            fillRows(markerRow + 1, own, first);
            m_file.endTableEdits();
        }
        if (pieces.size() > 1) {
            m_file.splitTable(markerRow + int(own.size()) + 1);
            m_file.beginTableEdits();
            for (qsizetype p = 1; p < pieces.size(); ++p) {
                m_file.appendTable(int(pieces.at(p).lines.size()), pieces.at(p).headingRows);
                fillRows(1, pieces.at(p).lines, first);
            }
            m_file.endTableEdits();
            m_file.CurrentTbId = table;
        }
        m_file.DeleteRow(markerRow);
        m_file.cellFontSize = 0;
    }

    void fillRows(int from, const QList<Line> &lines, int first)
    {
        const int room = m_file.tbcols() - first + 1;
        for (int i = 0; i < lines.size(); ++i) {
            const int row = from + i;
            const Line &line = lines.at(i);
            const QStringList cells = line.cells.isEmpty() ? QStringList{QString()} : line.cells;
            if (first == 2)
                m_file.setTextMatrix(row, 1, line.label);
            for (int c = 0; c < cells.size(); ++c) {
                m_file.setTextMatrix(row, first + c, cells.at(c));
                if (line.ruled)
                    m_file.CellBorder(row, first + c, Ruled);
            }
            m_file.MergeCells(row, first + int(cells.size()) - 1, room - int(cells.size()) + 1);
        }
    }

    // A table widened for a grid gives each column the room of its longest word, in a type
    // small enough for the widest row to fit.
    void fitColumns(const QList<Line> &lines, int columns)
    {
        QList<double> least(columns, 3);
        for (const Line &line : lines) {
            if (!line.ruled)
                continue;
            for (int c = 0; c < line.cells.size() && c < columns; ++c)
                least[c] = std::max(least.at(c), double(longestWord(line.cells.at(c))) + 1.5);
        }
        double needed = 0;
        for (double l : std::as_const(least))
            needed += l;
        const double line = TemplateLineCharacters - TemplateCellPadding * (columns + 1);
        if (needed > line)
            m_file.cellFontSize = std::max(SmallestType, TemplateType * line / needed);
        m_file.shareColumns(least);
    }

    MasterFile &m_file;
    const ReportModel &m_model;
    const PrintChoices &m_choices;
    const PrintSetup &m_setup;
    bool m_blank;
    QList<Placement> m_placements;
    QHash<QString, QString> m_answers;
    QStringList m_pendingRemarks;
    QList<QPair<int, const Clause *>> m_annexed;
    bool m_depreciationChart = false;
};

} // namespace

bool fill(MasterFile &file, const ReportModel &model, const PrintChoices &choices, const PrintSetup &setup,
          const Accountant &accountant)
{
    Filler filler(file, model, choices, setup);
    filler.partA();
    filler.partB();
    filler.remarksAtEnd();
    filler.signatures(accountant);
    filler.annexure();
    TemplateMarkers::clearLeftovers(file);
    return filler.depreciationChart();
}

} // namespace TemplateForm3CD
