#pragma once

#include "CommandLine.h"
#include "store/ModuleState.h"

#include "efiling/ValidationFinding.h"

#include <QTextStream>

class TalvexBase;

// "generate-json": the e-filing JSON of a report, as Generate JSON writes it.
// "validate": a file checked against its form's schema, one finding a line.
// "validate-report" (and its older name "check"): every finding of a stored report, one a line,
// as the editor's findings window lists them.
namespace EfilingCommands
{

// The form of the client's stored report of the year: a Form 3CB report keeps its report
// page under page 101.
FormKind storedFormKind(TalvexBase &host);

int generateJson(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int validate(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int validateReport(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

// One finding a line: "line:column: message", an XML finding's element path before its message.
void printFindings(const QList<ValidationFinding> &findings, QTextStream &out);

} // namespace EfilingCommands
