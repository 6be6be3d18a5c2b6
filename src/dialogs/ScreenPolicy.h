#pragma once

// Whether the e-filing screens may be shown: the desktop program shows them modally;
// the command-line tool and the tests, which answer prompts by script, get their
// content through the prompt interface instead, so nothing waits for a click.
namespace ScreenPolicy
{

bool interactive();

} // namespace ScreenPolicy
