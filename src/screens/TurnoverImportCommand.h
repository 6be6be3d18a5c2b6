#pragma once

// The editor's import of turnover figures into clause 40: the figures go into page 20,
// shown, and are written when the user saves.
namespace TurnoverImportCommand
{

void registerWithEditor();

} // namespace TurnoverImportCommand
