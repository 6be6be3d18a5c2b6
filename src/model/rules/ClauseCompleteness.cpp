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

} // namespace

std::optional<ReportFinding> text(const QString &value, const QString &label, bool mandatory)
{
    if (!value.isEmpty())
        return std::nullopt;
    if (mandatory)
        return finding(ReportFinding::Kind::Value, label, ClauseMessages::fill(label));
    return finding(ReportFinding::Kind::Blank, label, ClauseMessages::blank(label));
}

std::optional<ReportFinding> combo(const QString &value, const QString &label)
{
    if (!value.isEmpty())
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

} // namespace ClauseCompleteness
