#pragma once

// Throws for a program that asks for its host before installing one: a fault of the program.
[[noreturn]] void noHostInstalled();
