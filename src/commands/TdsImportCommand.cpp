#include "TdsImportCommand.h"

#include "base/SharedMessages.h"

#include "base/Prompt.h"
#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "model/rules/ListedAnswers.h"
#include "spreadsheet/AnnexureSheet.h"
#include "spreadsheet/TdsImport.h"
#include "spreadsheet/TdsWorkbook.h"
#include "store/ReportChange.h"

#include <QSet>

namespace TdsImportCommand
{

namespace
{

// Asks whether the lists replace what the clauses hold, writes them into the clause grids
// and annexure files and saves the pages, all or nothing.
QStringList writeLists(ReportModel &report, const TdsLists::Lists &rowsByPoint, const QString &annexFolder)
{
    const bool replace = prompts().askYesNo(SharedMessages::deleteExistingDetails());
    const QList<TdsImport::ClauseList> lists = TdsImport::merged(report, rowsByPoint, replace);
    QSet<int> pages;
    QStringList points;
    for (const TdsImport::ClauseList &list : lists) {
        ClauseGridModel grid(report, list.clause.page, list.clause.point);
        grid.setAllRows(list.rows);
        ListedAnswers::answer(report, list.clause.page, list.clause.point);
        pages.insert(list.clause.page);
        points << list.clause.point;
    }
    // The pages are saved together; the annexure files follow only what was saved.
    ReportChange change(report.key(), QStringLiteral("Importing the TDS details"));
    for (const int page : pages)
        report.savePage(page);
    change.commit();
    if (!annexFolder.isEmpty())
        for (const TdsImport::ClauseList &list : lists)
            AnnexureFile::write(AnnexureFile::pathOf(annexFolder, list.clause.point),
                                AnnexureSheet::ofGrid(list.clause.columns, {}, list.rows));
    prompts().inform(QStringLiteral("Import Successfully !"));
    return points;
}

} // namespace

bool confirmClients(const QList<TdsClient> &selected, const QString &clientPan)
{
    if (selected.isEmpty()) {
        prompts().inform(SharedMessages::selectAClient());
        return false;
    }
    for (const TdsClient &client : selected)
        if (!TdsSource::isPlainCode(client.code)) {
            prompts().message(
                QStringLiteral("The TDS client code [%1] holds characters other than letters and digits.")
                    .arg(client.code),
                {}, PromptIcon::Critical);
            return false;
        }
    for (const TdsClient &client : selected)
        if (client.pan.compare(clientPan, Qt::CaseInsensitive) != 0 &&
            !prompts().askYesNo(
                QStringLiteral("Selected client's PAN [%1] does not match with [%2]\nDo you still "
                               "want to Import from selected client?")
                    .arg(client.pan, clientPan)))
            return false;
    return selected.size() == 1 || prompts().askYesNo(QStringLiteral(
                                       "Do you really want to Import from selected multiple clients ?"));
}

Result fromWorkbook(ReportModel &report, const QString &path, const QString &clientPan,
                    const QString &annexFolder)
{
    const std::optional<TdsWorkbook::Contents> contents = TdsWorkbook::read(path);
    if (!contents)
        return {};
    const QString question = QStringLiteral("Do you still want to Import from selected Excel File ?");
    if (contents->pan.compare(clientPan, Qt::CaseInsensitive) != 0 &&
        !prompts().askYesNo(QStringLiteral("PAN in Excel Sheet [%1] does not match with [%2]\n%3")
                                .arg(contents->pan, clientPan, question)))
        return {};
    const QString year = TdsImport::financialYear(report.key().yearKey);
    if (contents->financialYear != year &&
        !prompts().askYesNo(QStringLiteral("F.Y. in Excel Sheet [%1] does not match with [%2]\n%3")
                                .arg(contents->financialYear, year, question)))
        return {};
    if (contents->rowsByPoint.isEmpty()) {
        prompts().inform(QStringLiteral("No Data Found."));
        return {};
    }
    return {true, writeLists(report, contents->rowsByPoint, annexFolder), {}};
}

Result fromDatabase(ReportModel &report, TdsSource &source, const QList<TdsClient> &clients,
                    const TdsLists::Options &options, const QString &annexFolder,
                    const TdsLists::Progress &progress)
{
    const std::optional<TdsLists::Lists> lists = TdsLists::build(source, clients, options, progress);
    if (!lists)
        return {};
    if (lists->isEmpty()) {
        prompts().inform(QStringLiteral("No Record !"));
        return {};
    }
    return {true, writeLists(report, *lists, annexFolder), *lists};
}

} // namespace TdsImportCommand
