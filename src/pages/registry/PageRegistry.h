#pragma once

// The pages with rules of their own (1, 2, 7, 9, 20 and 21 of Form 3CA/3CB-3CD) and the editor
// command they serve (the turnover import of clause 40).
namespace PageRegistry
{

// Registers them with the page factory and the editor; repeated calls do nothing.
void registerAll();

} // namespace PageRegistry
