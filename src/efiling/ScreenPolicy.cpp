#include "ScreenPolicy.h"

#include "host/Prompt.h"
#include "host/ScriptedPrompt.h"

#include <QApplication>

namespace ScreenPolicy
{

bool interactive()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) &&
           !dynamic_cast<ScriptedPrompt *>(&prompts());
}

} // namespace ScreenPolicy
