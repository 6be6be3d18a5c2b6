#include "HostContext.h"

#include <QDir>

#include <stdexcept>

namespace
{
HostContext *current = nullptr;
}

HostContext &host()
{
    if (!current)
        throw std::logic_error("No host context has been installed.");
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
