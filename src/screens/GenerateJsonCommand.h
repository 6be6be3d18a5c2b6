#pragma once

#include "store/ModuleState.h"

// The editor's Generate JSON command for a Form 3CA-3CD or Form 3CB-3CD report: once the
// editor has saved every page with validation, the e-filing JSON is written, checked and
// offered for upload. Form 3CEB writes its XML through Form3cebXmlCommands.
namespace GenerateJsonCommand
{

void registerWithEditor(FormKind openForm);

} // namespace GenerateJsonCommand
