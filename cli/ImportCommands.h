#pragma once

#include "CommandLine.h"

#include <QTextStream>

class TalvexBase;

// "import-json": one e-filing JSON file into a client's report of a year, as Import JSON
// reads it. "bulk-import": every JSON file of a folder or zip file into the report of the
// client whose PAN it carries, one status line a file.
namespace ImportCommands
{

int importJson(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int bulkImport(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace ImportCommands
