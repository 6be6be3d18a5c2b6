#include "HostContext.h"

#include "store/NoHost.h"

#include <QDir>

namespace
{
HostContext *current = nullptr;
}

HostContext &host()
{
    if (!current)
        noHostInstalled();
    return *current;
}

void setHost(HostContext *context)
{
    current = context;
    setStoreHost(context);
}

bool hasHost()
{
    return current != nullptr;
}

QString HostContext::annexFolder() const
{
    return QDir(DocPath()).filePath(QStringLiteral("Annex3CD/%1/%2").arg(Temp_Code(), yearKey()));
}
