#pragma once

#include "Commands.h"

// The work of the commands that lay out pages (laysOutPages), which only taxaudit-pages
// links: the report printed into a PDF, Word, Excel and PostScript files turned into PDF, a
// PDF signed, the accounts' statements, and the printed filing status.
namespace PageCommands
{

Command::Run workOf(const CommandLine &line);

} // namespace PageCommands
