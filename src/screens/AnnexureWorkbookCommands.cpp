#include "AnnexureWorkbookCommands.h"

#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "commands/AnnexureExchange.h"
#include "editor/Form3CD.h"
#include "model/depreciation/DepreciationCutOff.h"
#include "pages/ClauseGrid.h"
#include "pages/ClausePage.h"
#include "pages/ClauseSection.h"
#include "store/ReportKey.h"

#include <algorithm>

namespace AnnexureWorkbookCommands
{

namespace
{

struct GridOnPage {
    ClauseSection *section = nullptr;
    ClauseGrid *grid = nullptr;
};

// The grid the command works on: the page's only grid, or the one the user picks.
GridOnPage chooseGrid(Form3CD &editor)
{
    ClausePage *page = editor.page(editor.currentPage());
    if (!page)
        return {};
    QList<GridOnPage> grids;
    QStringList names;
    for (ClauseSection *section : page->sections()) {
        for (ClauseGrid *grid : section->grids()) {
            grids << GridOnPage{section, grid};
            const QString label =
                grid->definition().label.isEmpty() ? grid->definition().point : grid->definition().label;
            names << QStringLiteral("Clause %1").arg(label);
        }
    }
    if (grids.isEmpty()) {
        prompts().inform(QStringLiteral("This page has no clause list to exchange with a workbook."));
        return {};
    }
    if (grids.size() == 1)
        return grids.first();
    const int chosen =
        prompts().choose(QStringLiteral("Annexure Workbook"), QStringLiteral("Select the clause:"), names);
    return chosen >= 0 && chosen < grids.size() ? grids.at(chosen) : GridOnPage{};
}

AnnexureLayout layoutOf(const ClauseGrid &grid)
{
    return AnnexureExchange::layoutOf(grid.definition().point, grid.definition().columns);
}

void exportFormat(Form3CD &editor)
{
    const GridOnPage chosen = chooseGrid(editor);
    if (!chosen.grid)
        return;
    const QString clause = chosen.grid->definition().point;
    const QString path = AnnexureExchange::askExportPath(clause);
    if (!path.isEmpty())
        AnnexureExchange::exportRows(clause, layoutOf(*chosen.grid), {}, path);
}

// The rows are appended after those already typed and the page recomputes as after any
// edit; nothing is stored until the page is saved.
void importWorkbook(Form3CD &editor)
{
    const GridOnPage chosen = chooseGrid(editor);
    if (!chosen.grid)
        return;
    const QString path = AnnexureExchange::askImportPath();
    if (path.isEmpty())
        return;
    ClauseGrid &grid = *chosen.grid;
    const std::optional<QList<QStringList>> rows =
        AnnexureExchange::importRows(grid.definition().point, layoutOf(grid), path,
                                     DepreciationCutOff::cutOff(ReportKey::current().secondDate()));
    if (!rows)
        return;
    QList<QStringList> kept;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.columnCount(); ++c)
            cells << grid.cellText(r, c);
        if (std::any_of(cells.cbegin(), cells.cend(), [](const QString &cell) { return !cell.isEmpty(); }))
            kept << cells;
    }
    grid.setRows(kept + *rows);
    emit chosen.section->gridEdited(grid.objectName());
    prompts().inform(SharedMessages::importSuccessfully());
}

} // namespace

void registerWithEditor()
{
    Form3CD::setHandler(EditorCommand::ExportAnnexureFormat, exportFormat);
    Form3CD::setHandler(EditorCommand::ImportAnnexureWorkbook, importWorkbook);
}

} // namespace AnnexureWorkbookCommands
