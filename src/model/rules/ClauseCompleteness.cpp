#include "ClauseCompleteness.h"

#include "ClauseMessages.h"
#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"

#include <algorithm>

namespace ClauseCompleteness
{

namespace
{

ReportFinding finding(ReportFinding::Kind kind, const QString &label, const QString &message)
{
    ReportFinding f;
    f.kind = kind;
    f.clause = label;
    f.message = message;
    return f;
}

std::optional<ReportFinding> placed(std::optional<ReportFinding> f, int page, const QString &point)
{
    if (f) {
        f->page = page;
        f->point = point;
    }
    return f;
}

bool blank(const QString &value)
{
    return value.trimmed().isEmpty();
}

using Catalogue::Clause;
using Catalogue::Control;
using Catalogue::ControlType;
using Catalogue::Kind;

QString labelOf(const Clause &clause, const Control &control)
{
    return control.label.isEmpty() ? clause.label : control.label;
}

GridShape shapeOf(const Control &control)
{
    GridShape shape;
    shape.columns = control.columns.size();
    for (int c = 0; c < shape.columns; ++c) {
        if (control.columns.at(c).hidden || control.columns.at(c).optional)
            shape.skipped.insert(c);
    }
    return shape;
}

// The first thing one control lacks. A date is never answered "Nil": it is given or the
// clause is not complete.
std::optional<ReportFinding> controlFinding(const ReportModel &model, int page, const Clause &clause,
                                            const Control &control)
{
    const QString label = labelOf(clause, control);
    switch (control.type) {
    case ControlType::Grid:
        return gridAt(model, page, control.point, shapeOf(control), label, clause.mandatory);
    case ControlType::Text:
        return textAt(model, page, control.point, 1, label, clause.mandatory || control.kind == Kind::Date);
    case ControlType::Combo:
        return comboAt(model, page, control.point, label);
    case ControlType::Fields:
        for (int k = 0; k < control.fields.size(); ++k) {
            const Catalogue::Field &field = control.fields.at(k);
            if (!field.sumPoint.isEmpty())
                continue;
            if (auto f = textAt(model, page, control.point, k + 1, label,
                                clause.mandatory || field.kind == Kind::Date)) {
                f->column = k;
                return f;
            }
        }
        return std::nullopt;
    case ControlType::Choice:
        return std::nullopt;
    }
    return std::nullopt;
}

// Whether the control is one that holds the clause's data (holdsData), and whether it holds
// any (holdsValue).
bool holdsData(const Control &control)
{
    if (control.type == ControlType::Choice)
        return false;
    if (control.type != ControlType::Fields)
        return true;
    return std::any_of(control.fields.cbegin(), control.fields.cend(),
                       [](const Catalogue::Field &f) { return f.sumPoint.isEmpty(); });
}

bool holdsValue(const ReportModel &model, int page, const Control &control)
{
    switch (control.type) {
    case ControlType::Grid:
        for (const ReportModel::Row &row : model.rows(page, control.point)) {
            for (int c = 0; c < control.columns.size(); ++c) {
                if (!blank(row.col(c + 1)))
                    return true;
            }
        }
        return false;
    case ControlType::Text:
    case ControlType::Combo:
        return !blank(model.value(page, control.point));
    case ControlType::Fields:
        for (int k = 0; k < control.fields.size(); ++k) {
            if (control.fields.at(k).sumPoint.isEmpty() && !blank(model.value(page, control.point, k + 1)))
                return true;
        }
        return false;
    case ControlType::Choice:
        return false;
    }
    return false;
}

// The clause as one: a finding only when none of its controls holds a value.
std::optional<ReportFinding> wholeClause(const ReportModel &model, int page, const Clause &clause)
{
    bool anyData = false;
    bool date = false;
    bool combo = false;
    QString firstPoint;
    for (const Control &control : clause.controls) {
        if (control.type == ControlType::Choice)
            continue;
        if (firstPoint.isEmpty())
            firstPoint = control.point;
        if (!holdsData(control))
            continue;
        if (holdsValue(model, page, control))
            return std::nullopt;
        anyData = true;
        date = date || (control.type != ControlType::Grid && control.type != ControlType::Fields &&
                        control.kind == Kind::Date);
        combo = combo || control.type == ControlType::Combo;
    }
    if (!anyData)
        return std::nullopt;
    std::optional<ReportFinding> f;
    if (clause.mandatory || date)
        f = finding(ReportFinding::Kind::Value, clause.label, ClauseMessages::fill(clause.label));
    else if (combo)
        f = finding(ReportFinding::Kind::Value, clause.label, ClauseMessages::incomplete(clause.label));
    else
        f = finding(ReportFinding::Kind::Blank, clause.label, ClauseMessages::blank(clause.label));
    return placed(f, page, firstPoint);
}

} // namespace

std::optional<ReportFinding> text(const QString &value, const QString &label, bool mandatory)
{
    if (!blank(value))
        return std::nullopt;
    if (mandatory)
        return finding(ReportFinding::Kind::Value, label, ClauseMessages::fill(label));
    return finding(ReportFinding::Kind::Blank, label, ClauseMessages::blank(label));
}

std::optional<ReportFinding> combo(const QString &value, const QString &label)
{
    if (!blank(value))
        return std::nullopt;
    return finding(ReportFinding::Kind::Value, label, ClauseMessages::incomplete(label));
}

std::optional<ReportFinding> grid(const QList<QStringList> &rows, const GridShape &shape,
                                  const QString &label, bool mandatory)
{
    bool anyData = false;
    std::optional<ReportFinding> partlyEmpty;
    for (int r = 0; r < rows.size(); ++r) {
        QStringList cells = rows.at(r).mid(0, shape.columns);
        while (cells.size() < shape.columns)
            cells << QString();
        if (std::all_of(cells.cbegin(), cells.cend(), blank))
            continue;
        // A marker row anywhere answers the clause, whatever other rows hold.
        if (Vocabulary::isMarker(cells.at(0)))
            return std::nullopt;
        anyData = true;
        if (partlyEmpty || !mandatory)
            continue;
        const QSet<int> excepted = shape.excepted ? shape.excepted(cells) : QSet<int>();
        for (int c = 0; c < cells.size(); ++c) {
            if (!shape.skipped.contains(c) && !excepted.contains(c) && blank(cells.at(c))) {
                partlyEmpty = finding(ReportFinding::Kind::Value, label, ClauseMessages::incomplete(label));
                partlyEmpty->row = r + 1;
                partlyEmpty->column = c;
                partlyEmpty->item = shape.headings.value(c);
                break;
            }
        }
    }
    if (!anyData)
        return text(QString(), label, mandatory);
    return partlyEmpty;
}

std::optional<ReportFinding> textAt(const ReportModel &model, int page, const QString &point, int col,
                                    const QString &label, bool mandatory)
{
    return placed(text(model.value(page, point, col), label, mandatory), page, point);
}

std::optional<ReportFinding> comboAt(const ReportModel &model, int page, const QString &point,
                                     const QString &label)
{
    return placed(combo(model.value(page, point), label), page, point);
}

std::optional<ReportFinding> gridAt(const ReportModel &model, int page, const QString &point,
                                    const GridShape &shape, const QString &label, bool mandatory)
{
    QList<QStringList> rows;
    for (const ReportModel::Row &row : model.rows(page, point)) {
        QStringList cells;
        for (int c = 0; c < shape.columns; ++c)
            cells << row.col(c + 1);
        rows << cells;
    }
    return placed(grid(rows, shape, label, mandatory), page, point);
}

bool asksForData(const ReportModel &model, int page, const Catalogue::Clause &clause)
{
    if (!clause.na.isEmpty() && Vocabulary::isTicked(model.value(page, clause.na)))
        return false;
    return clause.option.isEmpty() || Vocabulary::isYes(model.value(page, clause.option));
}

std::optional<ReportFinding> clauseAt(const ReportModel &model, int page, const Catalogue::Clause &clause,
                                      Extent extent)
{
    if (!clause.na.isEmpty() && Vocabulary::isTicked(model.value(page, clause.na)))
        return std::nullopt;
    if (!clause.option.isEmpty() && blank(model.value(page, clause.option)))
        return placed(finding(ReportFinding::Kind::Answer, clause.label,
                              ClauseMessages::unanswered(clause.label, clause.optionNA)),
                      page, clause.option);
    if (!asksForData(model, page, clause))
        return std::nullopt;
    if (extent == Extent::WholeClause)
        return wholeClause(model, page, clause);
    for (const Control &control : clause.controls) {
        if (auto f = controlFinding(model, page, clause, control))
            return f;
    }
    return std::nullopt;
}

} // namespace ClauseCompleteness
