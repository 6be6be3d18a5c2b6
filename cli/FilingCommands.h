#pragma once

#include "CommandLine.h"
#include "host/AuditFiling.h"

#include <QTextStream>

class TalvexBase;

// "filing-status": the clients of a year and where their tax audit reports stand on the
// portal, as a list or as the printed status report. "record-filing": notes a client's
// report as uploaded for approval, filed (with the date) or still pending.
namespace FilingCommands
{

// The clients of the year that --year names, of the status that --flag picks; false after
// telling why.
bool statusEntries(TalvexBase &host, const CommandLine &line, QTextStream &err,
                   QList<AuditFiling::Entry> &entries);
// The list; with --pdf taxaudit-pages prints it (PageCommands).
int filingStatus(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int recordFiling(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace FilingCommands
