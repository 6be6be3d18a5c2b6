#include "PageChecks.h"

#include "host/HostContext.h"
#include "pages/CompletenessPrompts.h"

namespace PageChecks
{

bool refuse(QWidget *control, const QString &message)
{
    return CompletenessPrompts::refuse(control, message);
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
