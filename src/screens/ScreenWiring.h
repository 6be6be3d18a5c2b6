#pragma once

// Puts the screens together: the editor's commands are registered with the editor, which
// knows none of them. The desktop program and the test programs call it once at start.
namespace ScreenWiring
{

void registerAll();

} // namespace ScreenWiring
