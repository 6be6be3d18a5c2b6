#pragma once

#include "Clause40.h"

// ImportTO_Data: clause 40 of the current client and year from the host's accounts, and
// the preceding year from its accounts when the client master says they are kept here,
// else from the preceding year's report. May ask "Dou you want to import data from New
// Format?." through prompts().
namespace TurnoverImport
{

void ImportTO_Data(Clause40::Fields &fields);

} // namespace TurnoverImport
