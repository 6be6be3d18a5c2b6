#pragma once

#include "CommandLine.h"

#include <QTextStream>

class TalvexBase;

// "import-tds": the TDS lists of a client's report from a filled TDS workbook.
// "tds-template": the TDS workbook to fill, with the client's PAN and financial year.
// "import-tds" also takes the lists from the TDS product's database; "tds-demo" makes such a
// database with a demo client to try it on.
namespace TdsCommands
{

int importTds(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int tdsTemplate(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int tdsDemo(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace TdsCommands
