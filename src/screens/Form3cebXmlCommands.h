#pragma once

#include "store/ModuleState.h"

// The editor's commands for a Form 3CEB report: Generate XML (after every page is saved with
// validation) writes the e-filing XML and checks it in the validation window, Import XML
// reads one back and the editor reloads its pages.
namespace Form3cebXmlCommands
{

void registerWithEditor(FormKind openForm);

} // namespace Form3cebXmlCommands
