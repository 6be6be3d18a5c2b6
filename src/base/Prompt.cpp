#include "Prompt.h"

#include "ScriptedPrompt.h"

namespace
{
Prompt *current = nullptr;
}

Prompt &prompts()
{
    if (!current) {
        // Without a program-installed interface nothing may block: answer by script.
        static ScriptedPrompt fallback;
        return fallback;
    }
    return *current;
}

void setPrompts(Prompt *prompt)
{
    current = prompt;
}
