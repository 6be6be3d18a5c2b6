#pragma once

#include "CommandLine.h"

#include <QTextStream>

class TalvexBase;

// "accounts": the balance sheet or the profit and loss account of a client's books for a
// year, printed into a PDF file in one of the six layouts.
namespace AccountsCommands
{

int printStatement(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace AccountsCommands
