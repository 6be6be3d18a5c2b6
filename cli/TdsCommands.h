#pragma once

#include "CommandLine.h"

#include <QTextStream>

class TalvexBase;

// "import-tds": the TDS lists of a client's report from a filled TDS workbook.
// "tds-template": the TDS workbook to fill, with the client's PAN and financial year.
namespace TdsCommands
{

int importTds(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int tdsTemplate(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace TdsCommands
