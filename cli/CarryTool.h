#pragma once

#include "CommandLine.h"

#include <QTextStream>

class TalvexBase;

// taxaudit carry and fill-default: last year's report, an older table, another client's
// report or last year's e-filing file carried into a report, and the default answers.
namespace CarryTool
{

int carry(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int fillDefault(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace CarryTool
