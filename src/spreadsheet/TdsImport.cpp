#include "TdsImport.h"

#include "AnnexureClause.h"
#include "AnnexureSheet.h"
#include "TdsWorkbook.h"
#include "base/Prompt.h"
#include "host/HostContext.h"
#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "model/rules/ListedAnswers.h"
#include "store/Database.h"
#include "store/ReportChange.h"
#include "store/ReportKey.h"

#include <QSet>

namespace TdsImport
{

QString financialYear(const QString &yearKey)
{
    return ReportKey::twoYears(yearKey.toInt() - 1);
}

bool importWorkbook(ReportModel &report, const QString &path, const QString &clientPan,
                    const QString &annexFolder)
{
    const std::optional<TdsWorkbook::Contents> contents = TdsWorkbook::read(path);
    if (!contents)
        return false;
    const QString question = QStringLiteral("Do you still want to Import from selected Excel File ?");
    if (contents->pan.compare(clientPan, Qt::CaseInsensitive) != 0 &&
        !prompts().askYesNo(QStringLiteral("PAN in Excel Sheet [%1] does not match with [%2]\n%3")
                                .arg(contents->pan, clientPan, question)))
        return false;
    const QString year = financialYear(report.key().yearKey);
    if (contents->financialYear != year &&
        !prompts().askYesNo(QStringLiteral("F.Y. in Excel Sheet [%1] does not match with [%2]\n%3")
                                .arg(contents->financialYear, year, question)))
        return false;
    if (contents->rowsByPoint.isEmpty()) {
        prompts().inform(QStringLiteral("No Data Found."));
        return false;
    }
    return writeLists(report, contents->rowsByPoint, annexFolder);
}

bool writeLists(ReportModel &report, const QHash<QString, QList<QStringList>> &rowsByPoint,
                const QString &annexFolder)
{
    const bool replace =
        prompts().askYesNo(QStringLiteral("Do you want to Delete existing Details (if any) ?"));

    QSet<int> pages;
    QList<QPair<AnnexureClause, QList<QStringList>>> annexures;
    for (const TdsWorkbook::List &list : TdsWorkbook::lists()) {
        if (!rowsByPoint.contains(list.point))
            continue;
        const AnnexureClause clause = *AnnexureClause::find(list.point);
        ClauseGridModel grid(report, clause.page, clause.point);
        QList<QStringList> rows;
        for (int r = 0; !replace && r < grid.rowCount(); ++r)
            rows << grid.rowCells(r);
        rows = ListedAnswers::withoutMarkers(rows) + rowsByPoint.value(list.point);
        grid.setAllRows(rows);
        ListedAnswers::answer(report, clause.page, clause.point);
        pages.insert(clause.page);
        annexures << qMakePair(clause, rows);
    }
    // The pages are saved together; the annexure files follow only what was saved.
    ReportChange change(report.key(), QStringLiteral("Importing the TDS details"));
    for (const int page : pages)
        report.savePage(page);
    change.commit();
    for (const auto &[clause, rows] : annexures)
        if (!annexFolder.isEmpty())
            AnnexureFile::write(AnnexureFile::pathOf(annexFolder, clause.point),
                                AnnexureSheet::ofGrid(clause.columns, {}, rows));
    prompts().inform(QStringLiteral("Import Successfully !"));
    return true;
}

} // namespace TdsImport
