#include "ReportFindings.h"

#include "CellChecks.h"
#include "ClauseCompleteness.h"
#include "ClauseMessages.h"
#include "PageRules.h"
#include "SigningDate.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/SigningPoints.h"
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

    // The clause's values, each by its field's kind, then whether it is complete at all.
    void clause(int page, const Catalogue::Clause &clause)
    {
        const std::optional<ReportFinding> incomplete =
            ClauseCompleteness::clauseAt(m_model, page, clause, ClauseCompleteness::Extent::WholeClause);
        if (incomplete && incomplete->kind == ReportFinding::Kind::Answer) {
            add(*incomplete);
            return;
        }
        if (!ClauseCompleteness::asksForData(m_model, page, clause))
            return;
        for (const Control &control : clause.controls) {
            const QString label = control.label.isEmpty() ? clause.label : control.label;
            switch (control.type) {
            case ControlType::Grid:
                grid(page, label, control);
                break;
            case ControlType::Text:
                box(page, label, control.point, columnOf(control.caption, control.kind, control.signedAmount),
                    m_model.value(page, control.point));
                break;
            case ControlType::Fields:
                for (int k = 0; k < control.fields.size(); ++k) {
                    const Catalogue::Field &f = control.fields.at(k);
                    if (f.sumPoint.isEmpty())
                        box(page, label, control.point, columnOf(f.caption, f.kind, f.signedAmount),
                            m_model.value(page, control.point, k + 1));
                }
                break;
            case ControlType::Combo:
            case ControlType::Choice:
                break;
            }
        }
        if (incomplete)
            add(*incomplete);
    }

    // The signing page's date may not stay empty; its rules are the page's own (PageRules).
    void signing()
    {
        if (std::optional<ReportFinding> undated = ClauseCompleteness::textAt(
                m_model, SigningPoints::Page, SigningPoints::SignedOn, 1, SigningDate::Label, true)) {
            // The list places it as a date of the page, named by its field, not as a clause.
            undated->kind = ReportFinding::Kind::Date;
            undated->item = undated->clause;
            undated->clause.clear();
            add(std::move(*undated));
        }
        for (ReportFinding &f : PageRules::of(m_model, SigningPoints::Page))
            add(std::move(f));
    }

    QList<ReportFinding> take() { return std::move(m_findings); }

    void add(ReportFinding f) { m_findings << std::move(f); }

private:
    // The grid's cells by their columns' kinds.
    void grid(int page, const QString &label, const Control &control)
    {
        const QList<ReportModel::Row> &rows = m_model.rows(page, control.point);
        for (int r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < control.columns.size(); ++c) {
                const Column &column = control.columns.at(c);
                if (column.computed || column.hidden)
                    continue;
                const QString message = CellChecks::message(column, rows.at(r).col(c + 1));
                if (!message.isEmpty())
                    add({ReportFinding::Kind::Value, page, label, control.point, r + 1, c, column.heading,
                         message});
            }
        }
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
