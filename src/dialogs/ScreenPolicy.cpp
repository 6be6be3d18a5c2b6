#include "ScreenPolicy.h"

#include "base/Prompt.h"
#include "base/ScriptedPrompt.h"

#include <QApplication>

namespace ScreenPolicy
{

bool interactive()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) &&
           !dynamic_cast<ScriptedPrompt *>(&prompts());
}

} // namespace ScreenPolicy
