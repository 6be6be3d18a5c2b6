#pragma once

#include "CommandLine.h"

#include <QTextStream>

class TalvexBase;

// "filing-status": the clients of a year and where their tax audit reports stand on the
// portal, as a list or as the printed status report. "record-filing": notes a client's
// report as uploaded for approval, filed (with the date) or still pending.
namespace FilingCommands
{

int filingStatus(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int recordFiling(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace FilingCommands
