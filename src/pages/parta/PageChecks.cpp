#include "PageChecks.h"

#include "base/Prompt.h"
#include "host/HostContext.h"
#include "pages/CompletenessPrompts.h"

namespace PageChecks
{

bool refuse(QWidget *control, const QString &message)
{
    CompletenessPrompts::showControl(control);
    prompts().inform(message);
    return false;
}

QDate yearEnd()
{
    return QDate(host().yearKey().toInt(), 3, 31);
}

QString yearEndText()
{
    return QStringLiteral("31/03/") + host().yearKey();
}

} // namespace PageChecks
