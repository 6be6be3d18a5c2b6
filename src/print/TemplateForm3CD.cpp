#include "TemplateForm3CD.h"

#include "Accountant.h"
#include "AssesseeParticulars.h"
#include "ControlCodes.h"
#include "MasterFile.h"
#include "PrintChoices.h"
#include "PrintSetup.h"
#include "PrintedGrid.h"
#include "PrintedValues.h"
#include "TemplateMarkers.h"
#include "catalogue/ClauseCatalogue.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "store/Database.h"
#include "store/Recordset.h"

#include <QRegularExpression>

namespace TemplateForm3CD
{

namespace
{

using Catalogue::Clause;
using Catalogue::Control;
using TemplateMarkers::setAll;

// Grids wider than this print one block of heading and value per row, so that a row of
// clause 18's twenty columns still reads on an upright page.
constexpr int MaxColumnsAcross = 8;
const QString Ruled = QStringLiteral("1111");

// One row of a clause table: the first column holds a clause label (the annexure's
// captions), the cells fill the columns after it.
struct Line {
    QString label;
    QStringList cells;
    bool ruled = false;
};

// The rows that take the place of one "Annex" marker row.
struct Placement {
    QString marker;
    QList<Line> lines;
};

// The clauses whose template shows the answer beside the caption.
QString answerMarker(const QString &key)
{
    if (key == QLatin1String("30C"))
        return QStringLiteral("$#$30CYN$#$");
    if (key == QLatin1String("44"))
        return QStringLiteral("$#$44YN$#$");
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
        setAll(m_file, QStringLiteral("$#$UDIN$#$"), TemplateMarkers::udinLine(m_model, m_blank));
        setAll(m_file, QStringLiteral("$#$Name$#$"), a.name);
        setAll(m_file, QStringLiteral("$#$Address$#$"), a.address);
        setAll(m_file, QStringLiteral("$#$PAN$#$"), a.pan);
        const QString status = QStringLiteral("3CD_A");
        setAll(m_file, QStringLiteral("$#$Status$#$"), value(2, status, 2));
        setAll(m_file, QStringLiteral("$#$Previous Year$#$"),
               m_blank ? PrintedValues::BlankValue
                       : value(2, status, 3) + QStringLiteral(" to ") + value(2, status, 4));
        setAll(m_file, QStringLiteral("$#$Assessment Year$#$"), value(2, status, 5));
        const QString four = answer(2, QStringLiteral("Opt4"));
        setAll(m_file, QStringLiteral("$#$4YN$#$"), four);
        setAll(m_file, QStringLiteral("$#$4DET$#$"),
               four == QLatin1String("Yes") ? gridText(QStringLiteral("4")) : QString());
        setAll(m_file, QStringLiteral("$#$8DET$#$"),
               m_blank ? PrintedValues::BlankValue : gridText(QStringLiteral("8")));
        const QString eightA = answer(2, QStringLiteral("Opt8a"));
        setAll(m_file, QStringLiteral("$#$8AYN$#$"), eightA);
        setAll(m_file, QStringLiteral("$#$8ADET$#$"),
               eightA == QLatin1String("Yes") ? value(2, QStringLiteral("8a"), 1) : QString());
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
        setAll(m_file, QStringLiteral("$#$RMK"), lines.join(ControlCodes::LineBreak));
        m_pendingRemarks.clear();
    }

    void annexure()
    {
        if (m_annexed.isEmpty()) {
            // Without annexed clauses the annexure table goes, heading and all.
            if (const int table = m_file.FindTextInTable(QStringLiteral("$#$ANX"))) {
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
        put(QStringLiteral("$#$ANX"), lines);
    }

    void signatures(const Accountant &accountant)
    {
        QString firm, name, designation, din;
        if (!m_blank && m_setup.assesseeSign && hasHost()) {
            firm = QStringLiteral("For ") + host().ClientName();
            Recordset rs = host().DBObj().Execute(
                QStringLiteral("SELECT Name, Designation, DIN FROM signatory1 WHERE Code_No=? ORDER BY SrNo"),
                {m_model.key().client});
            if (!rs.Eof()) {
                name = rs.Fields(0);
                designation = rs.Fields(1);
                din = rs.Fields(2);
            }
        }
        setAll(m_file, QStringLiteral("$#$Firm Name$#$"), firm);
        setAll(m_file, QStringLiteral("$#$Signatory - Name$#$"), name);
        setAll(m_file, QStringLiteral("$#$Designation$#$"), designation);
        setAll(m_file, QStringLiteral("$#$DIN$#$"),
               din.isEmpty() ? QString() : QStringLiteral("DIN : ") + din);

        const bool form3CB = m_model.formCode() == QLatin1String("3CB");
        const QString other = form3CB ? QStringLiteral("3CBOTH") : QStringLiteral("3CAOTH");
        const int page = form3CB ? 101 : 1;
        QString date = m_model.value(21, QStringLiteral("DSIGN")).trimmed();
        if (date.isEmpty())
            date = m_model.value(page, other, 5).trimmed();
        TemplateMarkers::setAccountant(m_file, accountant, m_setup, m_blank, date,
                                       properCase(m_model.value(page, other, 4).trimmed()));
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
            say(QStringLiteral("Not Applicable"));
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
        if (shown.size() > MaxColumnsAcross) {
            if (rows.isEmpty()) {
                for (int i = 0; i < shown.size(); ++i)
                    lines << Line{{},
                                  {QString(), control.columns.at(shown.at(i)).heading,
                                   i == 0 || !m_choices.nilFirstColumnOnly ? empty : QString()},
                                  true};
            }
            for (const QStringList &cells : std::as_const(rows)) {
                for (int i = 0; i < shown.size(); ++i)
                    lines << Line{{},
                                  {i == 0 ? ControlCodes::bold(cells.at(0)) : QString(),
                                   control.columns.at(shown.at(i)).heading, cells.value(i + 1)},
                                  true};
            }
            return lines;
        }
        QStringList headings{ControlCodes::bold(QStringLiteral("Sr. No."))};
        for (int c : shown)
            headings << ControlCodes::bold(control.columns.at(c).heading);
        lines << Line{{}, headings, true};
        if (rows.isEmpty()) {
            QStringList cells{QString()};
            for (int i = 0; i < shown.size(); ++i)
                cells << (i == 0 || !m_choices.nilFirstColumnOnly ? empty : QString());
            lines << Line{{}, cells, true};
        }
        for (const QStringList &cells : std::as_const(rows))
            lines << Line{{}, cells, true};
        return lines;
    }

    void collectRemark(const Clause &clause)
    {
        if (!clause.remarks || m_blank)
            return;
        const QString text = m_model.value(301, clause.remarkPoint()).trimmed();
        if (text.isEmpty())
            return;
        QString line = QStringLiteral("Remarks : - ");
        if (m_setup.remarksPlace != PrintSetup::AfterEachSubClause)
            line += QStringLiteral("Clause ") + clause.label + QStringLiteral(" : ");
        line += text;
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
    // clause labels, cells beyond the table's width share its last column and a row of
    // fewer cells spans the rest.
    void put(const QString &marker, const QList<Line> &lines)
    {
        int markerRow = 0;
        const int table = m_file.FindTextInTable(marker, &markerRow);
        if (!table)
            return;
        m_file.CurrentTbId = table;
        const int room = qMax(1, m_file.tbcols() - 1);
        const int first = m_file.tbcols() > 1 ? 2 : 1;
        m_file.insertrows(int(lines.size()), markerRow + 1);
        for (int i = 0; i < lines.size(); ++i) {
            const int row = markerRow + 1 + i;
            const Line &line = lines.at(i);
            QStringList cells = line.cells.isEmpty() ? QStringList{QString()} : line.cells;
            if (cells.size() > room)
                cells = cells.mid(0, room - 1) << cells.mid(room - 1).join(QStringLiteral(" | "));
            if (first == 2)
                m_file.setTextMatrix(row, 1, line.label);
            for (int c = 0; c < cells.size(); ++c) {
                m_file.setTextMatrix(row, first + c, cells.at(c));
                if (line.ruled)
                    m_file.CellBorder(row, first + c, Ruled);
            }
            m_file.MergeCells(row, first + int(cells.size()) - 1, room - int(cells.size()) + 1);
        }
        m_file.DeleteRow(markerRow);
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
};

} // namespace

void fill(MasterFile &file, const ReportModel &model, const PrintChoices &choices, const PrintSetup &setup,
          const Accountant &accountant)
{
    Filler filler(file, model, choices, setup);
    filler.partA();
    filler.partB();
    filler.remarksAtEnd();
    filler.signatures(accountant);
    filler.annexure();
    TemplateMarkers::clearLeftovers(file);
}

} // namespace TemplateForm3CD
