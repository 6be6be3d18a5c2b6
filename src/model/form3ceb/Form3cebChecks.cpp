#include "Form3cebChecks.h"

#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"
#include "model/rules/CellChecks.h"

#include <QRegularExpression>

namespace Form3cebChecks
{

QSet<int> optionalColumns(const QList<Catalogue::Column> &columns, const Catalogue::CheckColumns &check)
{
    QSet<int> out;
    for (int c = 0; c < columns.size(); ++c) {
        const int number = c + 1;
        if (columns.at(c).optional || (check.first > 0 && (number < check.first || number > check.last)))
            out.insert(c);
    }
    return out;
}

QSet<int> exceptedColumns(const Catalogue::TransactionType &type, const QStringList &row)
{
    const int typeColumn = type.identityColumn - 1;
    if (typeColumn < 0 || typeColumn >= row.size())
        return {};
    const QString exception = Form3cebCatalogue::instance().identityException();
    if (exception.isEmpty() || row.at(typeColumn).trimmed().compare(exception, Qt::CaseInsensitive) != 0)
        return {};
    return {typeColumn + 1};
}

QString membershipMessage(const QString &typed, const QString &accountants)
{
    static const QRegularExpression sixDigits(QStringLiteral("\\A[0-9]{6}\\z"));
    const QString number = typed.trimmed();
    if (!sixDigits.match(number).hasMatch())
        return QStringLiteral("Invalid Membership No. !");
    if (number != accountants.trimmed())
        return QStringLiteral("Mismatch Membership No. !");
    return {};
}

std::optional<ReportFinding> unanswered(const ReportModel &model, int page, const Catalogue::Clause &clause)
{
    const QString message = Form3cebCatalogue::instance().unansweredMessage(clause.option);
    if (clause.option.isEmpty() || message.isEmpty() || !model.value(page, clause.option).trimmed().isEmpty())
        return std::nullopt;
    return ReportFinding{ReportFinding::Kind::Answer, page, clause.label, clause.option, 0, -1, {}, message};
}

namespace
{

// The cells of a clause's grids that their columns refuse.
void refusedCells(const ReportModel &model, int page, const Catalogue::Clause &clause,
                  QList<ReportFinding> &out)
{
    for (const Catalogue::Control &control : clause.controls) {
        if (control.type != Catalogue::ControlType::Grid)
            continue;
        const QList<ReportModel::Row> &rows = model.rows(page, control.point);
        for (int r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < control.columns.size(); ++c) {
                const Catalogue::Column &column = control.columns.at(c);
                if (column.computed || column.hidden)
                    continue;
                const QString message = CellChecks::message(column, rows.at(r).col(c + 1));
                if (!message.isEmpty())
                    out << ReportFinding{ReportFinding::Kind::Value,
                                         page,
                                         clause.label,
                                         control.point,
                                         r + 1,
                                         c,
                                         column.heading,
                                         message};
            }
        }
    }
}

} // namespace

ClauseCompleteness::GridShape gridShape(int page, const Catalogue::Clause &clause,
                                        const Catalogue::Control &grid)
{
    const Form3cebCatalogue &cat = Form3cebCatalogue::instance();
    ClauseCompleteness::GridShape shape;
    shape.columns = grid.columns.size();
    shape.skipped = optionalColumns(grid.columns, cat.checkColumns(clause.key));
    for (int c = 0; c < grid.columns.size(); ++c) {
        if (grid.columns.at(c).hidden)
            shape.skipped.insert(c);
        shape.headings << grid.columns.at(c).heading;
    }
    if (const Catalogue::TransactionType *type = cat.transactionTypeAt(page, grid.point))
        shape.excepted = [type](const QStringList &row) { return exceptedColumns(*type, row); };
    return shape;
}

std::optional<ReportFinding> incompleteGrid(const ReportModel &model, int page,
                                            const Catalogue::Clause &clause)
{
    for (const Catalogue::Control &control : clause.controls) {
        if (control.type != Catalogue::ControlType::Grid)
            continue;
        if (std::optional<ReportFinding> f = ClauseCompleteness::gridAt(
                model, page, control.point, gridShape(page, clause, control), clause.label, true))
            return f;
    }
    return std::nullopt;
}

QList<ReportFinding> findings(const ReportModel &model)
{
    QList<ReportFinding> found;
    for (const Catalogue::Page &page : Form3cebCatalogue::instance().pages()) {
        for (const Catalogue::Clause &clause : page.clauses) {
            if (std::optional<ReportFinding> f = unanswered(model, page.number, clause))
                found << *f;
            // A clause answered No reports no transactions, whatever rows are left.
            if (clause.option.isEmpty() || Vocabulary::isYes(model.value(page.number, clause.option)))
                refusedCells(model, page.number, clause, found);
            if (!clause.option.isEmpty() && Vocabulary::isYes(model.value(page.number, clause.option))) {
                if (std::optional<ReportFinding> f = incompleteGrid(model, page.number, clause))
                    found << *f;
            }
        }
    }
    return found;
}

} // namespace Form3cebChecks
