#pragma once

#include "store/ModuleState.h"

// The editor's Import JSON command for a Form 3CA-3CD or Form 3CB-3CD report: once the
// editor has asked its question the import runs, and the editor then reloads its pages.
// Form 3CEB reads its XML file through Form3cebXmlCommands.
namespace ImportJsonCommand
{

void registerWithEditor(FormKind openForm);

} // namespace ImportJsonCommand
