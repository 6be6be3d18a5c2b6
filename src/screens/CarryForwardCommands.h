#pragma once

#include "store/ModuleState.h"

// The editor's Fill Default command and its imports of earlier data (the previous year,
// this year's older table, another client's report) for a Form 3CA-3CD, Form 3CB-3CD or
// Form 3CEB report. The editor asks Fill Default's question, saves the current page before it and
// reloads the pages after each of them.
namespace CarryForwardCommands
{

void registerWithEditor(FormKind openForm);

} // namespace CarryForwardCommands
