#include "ReportCarry.h"

#include "CarryForward.h"
#include "Form3cebCarry.h"
#include "WizardAnswers.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/ClauseLabel.h"
#include "catalogue/Form3cebCatalogue.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "store/ClauseTables.h"
#include "store/Database.h"
#include "store/ReportChange.h"

#include <QSet>

using Row = ClauseStore::ClauseRow;

namespace ReportCarry
{

namespace
{

constexpr int kRemarksPage = 301;
constexpr int kTicksPage = 201;

// The qualification rows of each form's report page.
struct Qualification {
    int page;
    QString point;
};
Qualification qualificationOf(const ModuleState &form)
{
    return form.formKind == FormKind::F3CB ? Qualification{101, QStringLiteral("Qual")}
                                           : Qualification{1, QStringLiteral("3CAQual")};
}
const QString kQualificationKey = QStringLiteral("Qual");

std::unique_ptr<ReportModel> modelOf(const ReportKey &key, const QList<Row> &rows)
{
    auto report = std::make_unique<ReportModel>(key);
    for (const Row &row : rows)
        report->append(row);
    return report;
}

// The rows that hold a clause: its controls' points, its answer and Not Applicable tick on
// its page, its "As Per Annexure" tick on the ticks page.
QList<std::pair<int, QString>> pointsOf(int page, const Catalogue::Clause &clause)
{
    QList<std::pair<int, QString>> points;
    for (const Catalogue::Control &control : clause.controls)
        points << std::pair{page, control.point};
    if (!clause.option.isEmpty())
        points << std::pair{page, clause.option};
    if (!clause.na.isEmpty())
        points << std::pair{page, clause.na};
    if (!clause.annex.isEmpty())
        points << std::pair{kTicksPage, clause.annex};
    return points;
}

const QList<Catalogue::Page> &pagesOf(const ModuleState &form)
{
    return form.isForm3CD() ? ClauseCatalogue::instance().pages() : Form3cebCatalogue::instance().pages();
}

// The clause pages another client's report can give: not the report page and the
// assessee's particulars (pages 1 and 2) nor Form 3CD's signing page (21).
bool offeredPage(const ModuleState &form, int page)
{
    return page >= 3 && page <= (form.isForm3CD() ? 20 : 12);
}

// The figures of the clauses taken are this client's to enter.
void dropFigures(ReportModel &report)
{
    if (report.key().form.isForm3CD())
        CarryForward::dropFigureBoxes(report);
    else
        Form3cebCarry::dropFigures(report);
}

bool holdsQualification(const ReportModel &source)
{
    return source.has(1, QStringLiteral("3CAQual")) || source.has(101, QStringLiteral("Qual"));
}

} // namespace

void replace(const ReportModel &report, bool keepRemarks, const QString &what)
{
    const ReportKey &key = report.key();
    QList<Row> rows;
    for (int page : report.pages()) {
        if (keepRemarks && page == kRemarksPage)
            continue;
        for (const QString &point : report.points(page))
            rows += report.rows(page, point);
    }
    Database &db = host().DBObj();
    ReportChange change(key, what);
    db.Execute(ClauseTables::deleteReportRows(key.form.clauseTable,
                                              keepRemarks ? QStringLiteral(" AND PageNo<>301") : QString()),
               {key.client, key.yearKey});
    ClauseStore::insertStoredRows(key, rows);
    change.commit();
}

void previousYear(ReportModel &lastYear, bool withoutFigures)
{
    CarryForward::roll(lastYear);
    if (withoutFigures) {
        CarryForward::dropFigures(lastYear);
        CarryForward::dropLastYearsDates(lastYear);
    }
}

bool previousYear(const ReportKey &key, EarlierRows::Format format, const FiguresQuestion &withoutFigures)
{
    Database &db = host().DBObj();
    Transaction transaction(db);
    const QString lastYear = QString::number(key.yearKey.toInt() - 1);
    const QList<Row> rows = EarlierRows::read(db, format, key.client, lastYear);
    if (rows.isEmpty())
        return false;
    auto report = modelOf(key, rows);
    CarryForward::roll(*report, format == EarlierRows::Format::Current ? CarryForward::Layout::Current
                                                                       : CarryForward::Layout::BeforeAadhaar);
    if (withoutFigures()) {
        CarryForward::dropFigures(*report);
        CarryForward::dropLastYearsDates(*report);
    }
    replace(*report, false, PreviousYearChange);
    transaction.commit();
    return true;
}

bool oldFormat(const ReportKey &key, EarlierRows::Format format)
{
    Database &db = host().DBObj();
    Transaction transaction(db);
    QList<Row> rows = EarlierRows::read(db, format, key.client, key.yearKey);
    rows.removeIf([](const Row &row) { return row.page == kRemarksPage; });
    if (rows.isEmpty())
        return false;
    auto report = modelOf(key, rows);
    CarryForward::widenOlderRows(*report);
    replace(*report, true, OldFormatChange);
    transaction.commit();
    return true;
}

bool wizard(const ReportKey &key, const QString &wizardYear)
{
    Database &db = host().DBObj();
    if (!db.tableExists(ClauseTables::kWizardTable))
        return false;
    ReportChange change(key, QStringLiteral("Importing the old 3CD wizard's answers"));
    const QList<Row> rows = WizardAnswers::rows(db, key.client, wizardYear);
    if (rows.isEmpty())
        return false;
    // The wizard's answers take the place of every Form 3CD row; Part A is the report page's.
    db.Execute(ClauseTables::deleteReportRows(key.form.clauseTable, QStringLiteral(" AND FormName='3CD'")),
               {key.client, key.yearKey});
    ClauseStore::insertStoredRows(key, rows);
    change.commit();
    return true;
}

QList<Candidate> otherClients(const ReportKey &key)
{
    QList<Candidate> clients;
    Recordset rs = host().DBObj().Execute(
        QStringLiteral(
            "SELECT DISTINCT r.Code_No, m.Name FROM %1 r LEFT JOIN main_info1 m ON m.Code_No=r.Code_No "
            "WHERE r.Code_No<>? AND r.FYr=? ORDER BY r.Code_No")
            .arg(key.form.clauseTable),
        {key.client, key.yearKey});
    for (; !rs.Eof(); rs.MoveNext())
        clients << Candidate{rs.Fields(0), rs.Fields(1).trimmed()};
    return clients;
}

QList<Offer> offers(const ReportKey &key, const QString &sourceClient)
{
    const auto source = ReportModel::load(ReportKey{sourceClient, key.yearKey, key.form});
    QList<Offer> list;
    if (holdsQualification(*source))
        list << Offer{kQualificationKey, QStringLiteral("Qualifications"),
                      QStringLiteral("observations/Qualifications, if any")};
    for (const Catalogue::Page &page : pagesOf(key.form)) {
        if (!offeredPage(key.form, page.number))
            continue;
        for (const Catalogue::Clause &clause : page.clauses) {
            const auto points = pointsOf(page.number, clause);
            if (std::any_of(points.begin(), points.end(),
                            [&source](const auto &p) { return source->has(p.first, p.second); }))
                list << Offer{clause.key, ClauseLabel::listed(clause.label), clause.caption};
        }
    }
    if (!source->points(kRemarksPage).isEmpty())
        list << Offer{RemarksKey, QStringLiteral("Remarks"), QStringLiteral("Remarks on the clauses")};
    return list;
}

void otherClient(const ReportKey &key, const QString &sourceClient, const QStringList &ticked)
{
    Database &db = host().DBObj();
    Transaction transaction(db);
    const auto source = ReportModel::load(ReportKey{sourceClient, key.yearKey, key.form});
    auto report = ReportModel::load(key);
    const QSet<QString> chosen(ticked.begin(), ticked.end());
    ReportModel result(key);
    auto copy = [&result](const QList<Row> &rows, int page, const QString &point) {
        for (Row row : rows) {
            row.page = page;
            row.point = point;
            row.formName.clear();
            result.append(row);
        }
    };
    if (chosen.contains(kQualificationKey)) {
        const Qualification target = qualificationOf(key.form);
        for (const Qualification &from :
             {Qualification{1, QStringLiteral("3CAQual")}, Qualification{101, QStringLiteral("Qual")}})
            copy(source->rows(from.page, from.point), target.page, target.point);
    }
    for (const Catalogue::Page &page : pagesOf(key.form)) {
        if (!offeredPage(key.form, page.number))
            continue;
        for (const Catalogue::Clause &clause : page.clauses) {
            if (!chosen.contains(clause.key))
                continue;
            for (const auto &[p, point] : pointsOf(page.number, clause))
                copy(source->rows(p, point), p, point);
        }
    }
    // The report's own remarks stay; the source's take the place of those of the same clause.
    const bool remarks = chosen.contains(RemarksKey);
    for (const QString &point : report->points(kRemarksPage)) {
        if (!remarks || !source->has(kRemarksPage, point))
            copy(report->rows(kRemarksPage, point), kRemarksPage, point);
    }
    if (remarks) {
        for (const QString &point : source->points(kRemarksPage))
            copy(source->rows(kRemarksPage, point), kRemarksPage, point);
    }
    dropFigures(result);
    replace(result, false, QStringLiteral("Importing clauses of client %1").arg(sourceClient));
    transaction.commit();
}

} // namespace ReportCarry
