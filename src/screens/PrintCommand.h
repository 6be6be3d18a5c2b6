#pragma once

#include "store/ModuleState.h"

// The editor's Print and Print Setup commands for Form 3CA/3CB-3CD: Print asks for the
// print options and previews the report built from the stored rows; Print Setup edits the
// report's print setup.
namespace PrintCommand
{

void registerWithEditor(FormKind openForm);

} // namespace PrintCommand
