#pragma once

#include "store/ModuleState.h"

// The editor's two TDS commands, ImportTdsExcel and LoadClsTDS: both open the TDS import
// window, on a workbook or on the TDS product's database. Form 3CEB has neither.
namespace TdsImportCommands
{

void registerWithEditor(FormKind openForm);

} // namespace TdsImportCommands
