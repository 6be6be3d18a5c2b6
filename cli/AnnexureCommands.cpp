#include "AnnexureCommands.h"

#include "Commands.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "commands/AnnexureExchange.h"
#include "host/TalvexBase.h"
#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "model/depreciation/DepreciationCutOff.h"
#include "model/rules/ListedAnswers.h"
#include "spreadsheet/AnnexureClause.h"
#include "store/ModuleState.h"
#include "store/ReportChange.h"

#include <QFileInfo>

namespace AnnexureCommands
{

namespace
{

// The clause named by --clause, with the client and year selected and the form open.
std::optional<AnnexureClause> selectClause(TalvexBase &host, const CommandLine &line, QTextStream &err,
                                           YearUse use)
{
    if (!selectClientAndYear(host, line, err, use))
        return std::nullopt;
    const QString point = line.value(QStringLiteral("--clause"));
    std::optional<AnnexureClause> clause = AnnexureClause::find(point);
    if (!clause) {
        err << "--clause names a clause grid, such as 18 or 34a; \"" << oneLine(point) << "\" is none.\n";
        return std::nullopt;
    }
    // The clause grids are Form 3CD pages, the same under Form 3CA and Form 3CB.
    moduleState().openForm(FormKind::F3CA, host.yearKey());
    return clause;
}

} // namespace

int exportAnnexure(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!line.arguments.isEmpty() || line.value(QStringLiteral("--out")).isEmpty()) {
        err << "usage: taxaudit export-annexure --client C --year Y --clause POINT --out FILE.xlsx [--yes]\n";
        return 2;
    }
    const std::optional<AnnexureClause> clause = selectClause(host, line, err, YearUse::Read);
    if (!clause)
        return 2;
    const auto report = ReportModel::load();
    const ClauseGridModel grid(*report, clause->page, clause->point);
    QList<QStringList> rows;
    for (int r = 0; r < grid.rowCount(); ++r)
        rows << grid.rowCells(r);
    const QString path = QFileInfo(line.value(QStringLiteral("--out"))).absoluteFilePath();
    if (!mayWrite(path, line, err))
        return 2;
    if (!AnnexureExchange::exportRows(clause->point,
                                      AnnexureExchange::layoutOf(clause->point, clause->columns), rows, path))
        return 1;
    out << oneLine(path) << '\t' << rows.size() << " rows\n";
    return 0;
}

int importAnnexure(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 1) {
        err << "usage: taxaudit import-annexure --client C --year Y --clause POINT FILE.xlsx|FILE.xls "
               "[--yes]\n";
        return 2;
    }
    const std::optional<AnnexureClause> clause = selectClause(host, line, err, YearUse::Write);
    if (!clause)
        return 2;
    const auto report = ReportModel::load();
    const QString path = QFileInfo(line.arguments.first()).absoluteFilePath();
    const std::optional<QList<QStringList>> rows = AnnexureExchange::importRows(
        clause->point, AnnexureExchange::layoutOf(clause->point, clause->columns), path,
        DepreciationCutOff::cutOff(report->key().secondDate()));
    if (!rows)
        return 1;
    ClauseGridModel grid(*report, clause->page, clause->point);
    grid.setAllRows(*rows);
    ListedAnswers::answer(*report, clause->page, clause->point);
    ReportChange change(report->key(),
                        QStringLiteral("Importing the workbook of clause %1").arg(clause->point));
    report->savePage(clause->page);
    change.commit();
    prompts().inform(SharedMessages::importSuccessfully());
    out << oneLine(path) << '\t' << rows->size() << " rows\n";
    return 0;
}

} // namespace AnnexureCommands
