#pragma once

// The editor menu's exchange of a clause grid with an annexure workbook: the grid is one of
// the page on screen (asked for when the page has several), its empty format goes out to a
// workbook, and a filled workbook comes back into it as rows typed on the page would.
namespace AnnexureWorkbookCommands
{

void registerWithEditor();

} // namespace AnnexureWorkbookCommands
