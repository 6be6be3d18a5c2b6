#pragma once

// The pages with rules of their own (1, 2, 7, 8, 9, 20 and 21 of Form 3CA/3CB-3CD).
namespace PageRegistry
{

// Registers them with the page factory; repeated calls do nothing.
void registerAll();

} // namespace PageRegistry
