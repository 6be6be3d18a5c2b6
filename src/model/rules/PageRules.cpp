#include "PageRules.h"

#include "ClauseMessages.h"
#include "ConcessionalRegime.h"
#include "ReportDates.h"
#include "ReportPageRules.h"
#include "SigningDate.h"
#include "ValueChecks.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/PartAPoints.h"
#include "catalogue/SigningPoints.h"
#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"
#include "model/depreciation/Clause18Checks.h"
#include "model/inadmissible/Clause21Items.h"
#include "model/inadmissible/PayeeChecks.h"
#include "model/turnover/Clause40.h"
#include "model/turnover/Clauses41To44.h"

#include <QHash>
#include <utility>

namespace PageRules
{

namespace
{

constexpr int kTurnoverPage = 20;
// Columns of the clause 42 and 43 grids.
constexpr int kIdentificationColumn = 0;
constexpr int kFurnishedOnColumn = 3;

const Catalogue::Clause *clauseAt(int page, const QString &key)
{
    if (const Catalogue::Page *p = ClauseCatalogue::instance().page(page)) {
        for (const Catalogue::Clause &c : p->clauses) {
            if (c.key == key)
                return &c;
        }
    }
    return nullptr;
}

// The point of the clause's grid; "" for a clause without one.
QString gridPoint(const Catalogue::Clause &clause)
{
    for (const Catalogue::Control &control : clause.controls) {
        if (control.type == Catalogue::ControlType::Grid)
            return control.point;
    }
    return {};
}

bool notApplicable(const ReportModel &model, int page, const Catalogue::Clause &clause)
{
    return !clause.na.isEmpty() && Vocabulary::isTicked(model.value(page, clause.na));
}

QString answerOf(const ReportModel &model, int page, const Catalogue::Clause &clause)
{
    return model.value(page, clause.option).trimmed();
}

// A grid's data rows as the page's checks take them: a cell for each column of the grid.
QList<QStringList> gridRows(const ReportModel &model, int page, const QString &point)
{
    QList<QStringList> rows;
    const Catalogue::Control *control = ClauseCatalogue::instance().controlOf(page, point);
    const int columns = control ? int(control->columns.size()) : model.sequenceColumn() - 1;
    for (const ReportModel::Row &row : model.rows(page, point)) {
        QStringList cells = row.cols.mid(0, columns);
        cells.resize(columns);
        rows << cells;
    }
    return rows;
}

bool rowIsEmpty(const QStringList &cells)
{
    for (const QString &cell : cells) {
        if (!cell.trimmed().isEmpty())
            return false;
    }
    return true;
}

ReportFinding finding(int page, const Catalogue::Clause *clause, const QString &point, int row, int column,
                      const QString &message)
{
    const Catalogue::Control *control = ClauseCatalogue::instance().controlOf(page, point);
    QString item;
    if (control && column >= 0 && column < control->columns.size())
        item = control->columns.at(column).heading;
    return {ReportFinding::Kind::Value,
            page,
            clause ? clause->label : QString(),
            point,
            row,
            column,
            item,
            message};
}

ReportFinding signingFinding(const QString &message)
{
    return {ReportFinding::Kind::Date,
            SigningPoints::Page,
            {},
            SigningPoints::SignedOn,
            0,
            -1,
            SigningDate::Label,
            message};
}

} // namespace

std::optional<ReportFinding> unanswered(const ReportModel &model, int page, const QString &key,
                                        const QString &message)
{
    const Catalogue::Clause *clause = clauseAt(page, key);
    if (!clause || clause->option.isEmpty() || !answerOf(model, page, *clause).isEmpty())
        return std::nullopt;
    return finding(page, clause, clause->option, 0, -1,
                   message.isEmpty() ? ClauseMessages::unanswered(clause->label) : message);
}

std::optional<ReportFinding> assesseeStatus(const ReportModel &model)
{
    const QString point = PartAPoints::Particulars;
    if (!model.value(2, point, 2).trimmed().isEmpty())
        return std::nullopt;
    return finding(2, nullptr, point, 0, -1, QStringLiteral("Please select status of the assessee"));
}

std::optional<ReportFinding> clause8aSection(const ReportModel &model)
{
    const Catalogue::Clause *clause = clauseAt(PartAPoints::Page, PartAPoints::Section8a);
    if (!clause || !Vocabulary::isYes(answerOf(model, 2, *clause)) ||
        !model.value(PartAPoints::Page, PartAPoints::Section8a).trimmed().isEmpty())
        return std::nullopt;
    return finding(PartAPoints::Page, clause, PartAPoints::Section8a, 0, -1,
                   QStringLiteral("Select section under which option excercised in clause 8a."));
}

std::optional<ReportFinding> clause18(const ReportModel &model)
{
    const int page = 7;
    const Catalogue::Clause *clause = clauseAt(page, QStringLiteral("18"));
    if (!clause || notApplicable(model, page, *clause))
        return std::nullopt;
    const QString point = gridPoint(*clause);
    const auto found = Clause18Checks::check(gridRows(model, page, point), model.key().firstDate(),
                                             model.key().secondDate());
    if (!found)
        return std::nullopt;
    return finding(page, clause, point, found->row + 1, found->column, found->message);
}

std::optional<ReportFinding> clause19(const ReportModel &model)
{
    const int page = 8;
    const Catalogue::Clause *clause = clauseAt(page, QStringLiteral("19"));
    if (!clause || notApplicable(model, page, *clause))
        return std::nullopt;
    const QString point = gridPoint(*clause);
    const auto found = ConcessionalRegime::checkClause19(gridRows(model, page, point),
                                                         ConcessionalRegime::optedSection(model));
    if (!found)
        return std::nullopt;
    return finding(page, clause, point, found->row + 1, found->column, found->message);
}

std::optional<ReportFinding> clause21PaymentDates(const ReportModel &model)
{
    const int page = 9;
    for (const Clause21::Item &item : Clause21::items()) {
        const Catalogue::Clause *clause = clauseAt(page, item.point);
        if (!item.paymentDates || !clause || notApplicable(model, page, *clause))
            continue;
        const QString point = gridPoint(*clause);
        const QList<QStringList> rows = gridRows(model, page, point);
        for (int r = 0; r < rows.size(); ++r) {
            const QString message = PayeeChecks::paymentDateMessage(
                rows.at(r).value(0), model.key().firstDate(), model.key().secondDate());
            if (!message.isEmpty() && !rowIsEmpty(rows.at(r)))
                return finding(page, clause, point, r + 1, 0, message);
        }
    }
    return std::nullopt;
}

std::optional<ReportFinding> clause40Amounts(const ReportModel &model)
{
    Clause40::Fields fields;
    QHash<QString, std::pair<QString, int>> placeOf; // field name → point, field index
    for (const Clause40::Record &record : Clause40::records()) {
        for (int i = 0; i < record.fields.size(); ++i) {
            fields.insert(record.fields.at(i), model.value(kTurnoverPage, record.point, i + 1));
            placeOf.insert(record.fields.at(i), {record.point, i});
        }
    }
    const auto problem = Clause40::firstDecimalAmount(fields);
    if (!problem)
        return std::nullopt;
    const auto [point, index] = placeOf.value(problem->field);
    ReportFinding f =
        finding(kTurnoverPage, clauseAt(kTurnoverPage, QStringLiteral("40")), point, 0, -1, problem->message);
    if (const Catalogue::Control *control = ClauseCatalogue::instance().controlOf(kTurnoverPage, point);
        control && index < control->fields.size())
        f.item = control->fields.at(index).caption;
    return f;
}

std::optional<ReportFinding> clause42Numbers(const ReportModel &model)
{
    const Catalogue::Clause *clause = clauseAt(kTurnoverPage, QStringLiteral("42"));
    if (!clause || !Vocabulary::isYes(answerOf(model, kTurnoverPage, *clause)))
        return std::nullopt;
    const QString point = gridPoint(*clause);
    const QList<QStringList> rows = gridRows(model, kTurnoverPage, point);
    for (int r = 0; r < rows.size(); ++r) {
        const QString id = rows.at(r).value(kIdentificationColumn).trimmed();
        if (rowIsEmpty(rows.at(r)) || Clauses41To44::identificationMessage(id).isEmpty())
            continue;
        return finding(kTurnoverPage, clause, point, r + 1, kIdentificationColumn,
                       Clauses41To44::identificationMessage(id));
    }
    return std::nullopt;
}

std::optional<ReportFinding> clause43ExpectedDate(const ReportModel &model)
{
    const Catalogue::Clause *clause = clauseAt(kTurnoverPage, QStringLiteral("43"));
    if (!clause || Vocabulary::answerOf(answerOf(model, kTurnoverPage, *clause)) != Vocabulary::Answer::NA)
        return std::nullopt;
    const QString point = QStringLiteral("43B");
    const QString expected = model.value(kTurnoverPage, point).trimmed();
    if (!expected.isEmpty() && !Vocabulary::isMarker(expected))
        return std::nullopt;
    return finding(
        kTurnoverPage, clause, point, 0, -1,
        QStringLiteral("If Not due , please enter expected date of furnishing the report in clause 43."));
}

std::optional<ReportFinding> furnishingDates(const ReportModel &model)
{
    for (const QString &key : {QStringLiteral("42"), QStringLiteral("43")}) {
        const Catalogue::Clause *clause = clauseAt(kTurnoverPage, key);
        if (!clause || !Vocabulary::isYes(answerOf(model, kTurnoverPage, *clause)))
            continue;
        const QString point = gridPoint(*clause);
        const QList<QStringList> rows = gridRows(model, kTurnoverPage, point);
        for (int r = 0; r < rows.size(); ++r) {
            const QString message = Clauses41To44::furnishingDateMessage(rows.at(r).value(kFurnishedOnColumn),
                                                                         model.key().firstDate());
            if (!message.isEmpty())
                return finding(kTurnoverPage, clause, point, r + 1, kFurnishedOnColumn, message);
        }
    }
    return std::nullopt;
}

std::optional<ReportFinding> signingDate(const ReportModel &model)
{
    const QString date = model.value(SigningPoints::Page, SigningPoints::SignedOn);
    if (date.trimmed().isEmpty())
        return std::nullopt;
    QString message = ReportDates::dateMessage(SigningDate::Label, date);
    if (message.isEmpty())
        message = ValueChecks::signingDateMessage(date, model.key().yearKey);
    if (message.isEmpty())
        message = ReportDates::signedBeforeAuditReportMessage(date, ReportDates::auditReportDate(model));
    if (message.isEmpty())
        return std::nullopt;
    return signingFinding(message);
}

std::optional<ReportFinding> signingDatesAgree(const ReportModel &model)
{
    const QString message = SigningDate::mismatchMessage(
        SigningDate::reportPageDate(model), model.value(SigningPoints::Page, SigningPoints::SignedOn));
    if (message.isEmpty())
        return std::nullopt;
    return signingFinding(message);
}

QList<ReportFinding> of(const ReportModel &model, int page)
{
    using Rule = std::optional<ReportFinding> (*)(const ReportModel &);
    static const QHash<int, QList<Rule>> rules{
        {1, {ReportPageRules::reportPage}},
        {2, {assesseeStatus}},
        {7, {clause18}},
        {8, {clause19}},
        {9, {clause21PaymentDates}},
        {kTurnoverPage, {clause40Amounts, clause42Numbers, clause43ExpectedDate, furnishingDates}},
        {SigningPoints::Page, {signingDate, signingDatesAgree}}};
    QList<ReportFinding> found;
    for (Rule rule : rules.value(page)) {
        if (std::optional<ReportFinding> f = rule(model))
            found << *f;
    }
    return found;
}

} // namespace PageRules
