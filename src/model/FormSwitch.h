#pragma once

// Moves the Part A rows of a report between Form 3CA and Form 3CB when the user opens
// the other form for the same client and year. Uses the open form of moduleState().
namespace FormSwitch
{

// False when the user declined (nothing changed); true otherwise.
bool transfer();

} // namespace FormSwitch
