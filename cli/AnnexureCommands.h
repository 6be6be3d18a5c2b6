#pragma once

#include "CommandLine.h"

#include <QTextStream>

class TalvexBase;

// "export-annexure": a clause grid's layout with its rows to a workbook, as the annexure
// window exports it. "import-annexure": a filled workbook (.xlsx or .xls) in place of the
// clause's rows, saved with the clause's page.
namespace AnnexureCommands
{

int exportAnnexure(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int importAnnexure(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace AnnexureCommands
