#pragma once

#include "CommandLine.h"

#include <QTextStream>

class TalvexBase;

// "generate-json": the e-filing JSON of a report, as Generate JSON writes it.
// "validate": a file checked against its form's schema, one finding a line.
namespace EfilingCommands
{

int generateJson(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int validate(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace EfilingCommands
