#include "HostContext.h"

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
}

bool hasHost()
{
    return current != nullptr;
}
