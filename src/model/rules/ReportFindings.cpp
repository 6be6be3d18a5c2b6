#include "ReportFindings.h"

#include "CellChecks.h"
#include "ClauseMessages.h"
#include "PageRules.h"
#include "SigningDate.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/SigningPoints.h"
#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"

namespace ReportFindings
{

namespace
{

using Catalogue::Column;
using Catalogue::Control;
using Catalogue::ControlType;
using Catalogue::Kind;

Column columnOf(const QString &caption, Kind kind, bool signedAmount)
{
    Column c;
    c.heading = caption;
    c.kind = kind;
    c.signedAmount = signedAmount;
    return c;
}

class Collector
{
public:
    explicit Collector(const ReportModel &model) : m_model(model) {}

    void clause(int page, const Catalogue::Clause &clause)
    {
        const bool notApplicable =
            !clause.na.isEmpty() && Vocabulary::isTicked(m_model.value(page, clause.na));
        if (notApplicable)
            return;
        if (!clause.option.isEmpty()) {
            const QString answer = m_model.value(page, clause.option);
            if (answer.trimmed().isEmpty()) {
                add({ReportFinding::Kind::Answer,
                     page,
                     clause.label,
                     clause.option,
                     0,
                     -1,
                     {},
                     ClauseMessages::unanswered(clause.label)});
                return;
            }
            if (!Vocabulary::isYes(answer))
                return;
        }
        bool holdsData = false;
        bool holdsValues = false;
        bool date = false;  // a date is never answered "Nil"
        bool combo = false; // nor is a choice from a list
        QString firstPoint;
        for (const Control &control : clause.controls) {
            const QString label = control.label.isEmpty() ? clause.label : control.label;
            switch (control.type) {
            case ControlType::Grid:
                holdsData = true;
                holdsValues = grid(page, label, control) || holdsValues;
                break;
            case ControlType::Text:
            case ControlType::Combo: {
                holdsData = true;
                const QString value = m_model.value(page, control.point);
                holdsValues = !value.trimmed().isEmpty() || holdsValues;
                date = date || control.kind == Kind::Date;
                combo = combo || control.type == ControlType::Combo;
                if (control.type == ControlType::Text)
                    box(page, label, control.point,
                        columnOf(control.caption, control.kind, control.signedAmount), value);
                break;
            }
            case ControlType::Fields:
                for (int k = 0; k < control.fields.size(); ++k) {
                    const Catalogue::Field &f = control.fields.at(k);
                    if (!f.sumPoint.isEmpty())
                        continue;
                    holdsData = true;
                    const QString value = m_model.value(page, control.point, k + 1);
                    holdsValues = !value.trimmed().isEmpty() || holdsValues;
                    box(page, label, control.point, columnOf(f.caption, f.kind, f.signedAmount), value);
                }
                break;
            case ControlType::Choice:
                break;
            }
            if (firstPoint.isEmpty() && control.type != ControlType::Choice)
                firstPoint = control.point;
        }
        if (!holdsData || holdsValues)
            return;
        if (clause.mandatory || date)
            add({ReportFinding::Kind::Value,
                 page,
                 clause.label,
                 firstPoint,
                 0,
                 -1,
                 {},
                 ClauseMessages::fill(clause.label)});
        else if (combo)
            add({ReportFinding::Kind::Value,
                 page,
                 clause.label,
                 firstPoint,
                 0,
                 -1,
                 {},
                 ClauseMessages::incomplete(clause.label)});
        else
            add({ReportFinding::Kind::Blank,
                 page,
                 clause.label,
                 firstPoint,
                 0,
                 -1,
                 {},
                 ClauseMessages::blank(clause.label)});
    }

    // The signing page's date may not stay empty; its rules are the page's own (PageRules).
    void signing()
    {
        if (m_model.value(SigningPoints::Page, SigningPoints::SignedOn).trimmed().isEmpty())
            add({ReportFinding::Kind::Date,
                 SigningPoints::Page,
                 {},
                 SigningPoints::SignedOn,
                 0,
                 -1,
                 SigningDate::Label,
                 ClauseMessages::fill(SigningDate::Label)});
        for (ReportFinding &f : PageRules::of(m_model, SigningPoints::Page))
            add(std::move(f));
    }

    QList<ReportFinding> take() { return std::move(m_findings); }

    void add(ReportFinding f) { m_findings << std::move(f); }

private:
    // The grid's cells by their columns' kinds; true when a cell holds anything.
    bool grid(int page, const QString &label, const Control &control)
    {
        bool any = false;
        const QList<ReportModel::Row> &rows = m_model.rows(page, control.point);
        for (int r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < control.columns.size(); ++c) {
                const Column &column = control.columns.at(c);
                const QString &value = rows.at(r).col(c + 1);
                any = any || !value.trimmed().isEmpty();
                if (column.computed || column.hidden)
                    continue;
                const QString message = CellChecks::message(column, value);
                if (!message.isEmpty())
                    add({ReportFinding::Kind::Value, page, label, control.point, r + 1, c, column.heading,
                         message});
            }
        }
        return any;
    }

    void box(int page, const QString &label, const QString &point, const Column &column, const QString &value)
    {
        const QString message = CellChecks::message(column, value);
        if (!message.isEmpty())
            add({ReportFinding::Kind::Value, page, label, point, 0, -1, column.heading, message});
    }

    const ReportModel &m_model;
    QList<ReportFinding> m_findings;
};

} // namespace

QList<ReportFinding> collect(const ReportModel &model)
{
    Collector collector(model);
    for (const Catalogue::Page &page : ClauseCatalogue::instance().pages()) {
        // The signing page has rules of its own (below): its UDIN is for the print only.
        if (page.number == SigningPoints::Page)
            continue;
        for (const Catalogue::Clause &clause : page.clauses)
            collector.clause(page.number, clause);
        for (ReportFinding &f : PageRules::of(model, page.number))
            collector.add(std::move(f));
    }
    collector.signing();
    return collector.take();
}

QString place(const ReportFinding &f)
{
    QString text =
        f.clause.isEmpty() ? QStringLiteral("Page %1").arg(f.page) : ClauseMessages::place(f.clause, f.page);
    if (f.row > 0)
        text += QStringLiteral(", row ") + QString::number(f.row);
    if (!f.item.isEmpty())
        text += QStringLiteral(", ") + f.item;
    return text;
}

QString line(const ReportFinding &f)
{
    if (f.kind == ReportFinding::Kind::Filing)
        return f.message;
    return place(f) + QStringLiteral(": ") + f.message;
}

QList<int> answerNil(ReportModel &model, const QList<ReportFinding> &blanks)
{
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    QList<int> pages;
    for (const ReportFinding &blank : blanks) {
        const Catalogue::Clause *clause = catalogue.clauseOf(blank.page, blank.point);
        if (!clause)
            continue;
        const QString nil = QStringLiteral("Nil");
        for (const Control &control : clause->controls) {
            switch (control.type) {
            case ControlType::Grid: {
                // One marker row, the grid's first, as a page keeps it.
                QStringList row(control.columns.size(), nil);
                row.resize(model.sequenceColumn());
                row.last() = QStringLiteral("1");
                model.setRows(blank.page, control.point, {row});
                break;
            }
            case ControlType::Text:
                model.setRows(blank.page, control.point, {{nil}});
                break;
            case ControlType::Fields: {
                QStringList values;
                for (const Catalogue::Field &f : control.fields)
                    values << (f.sumPoint.isEmpty() ? nil : QString());
                model.setRows(blank.page, control.point, {values});
                break;
            }
            case ControlType::Combo:
            case ControlType::Choice:
                break;
            }
        }
        if (!pages.contains(blank.page))
            pages << blank.page;
    }
    return pages;
}

} // namespace ReportFindings
