#include "StoreHost.h"

#include "NoHost.h"

#include <stdexcept>

namespace
{
StoreHost *installed = nullptr;
}

StoreHost &storeHost()
{
    if (!installed)
        noHostInstalled();
    return *installed;
}

void noHostInstalled()
{
    throw std::logic_error("No host context has been installed.");
}

void setStoreHost(StoreHost *host)
{
    installed = host;
}
