#pragma once

#include "CommandLine.h"

#include <QTextStream>

class TalvexBase;

// The copies of a report kept before each change that replaced its rows: listed, and put back.
namespace SnapshotCommands
{

int list(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int restore(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace SnapshotCommands
