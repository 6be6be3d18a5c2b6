#include "StoreHost.h"

#include <stdexcept>

namespace
{
StoreHost *installed = nullptr;
}

StoreHost &storeHost()
{
    if (!installed)
        throw std::logic_error("No host context has been installed.");
    return *installed;
}

void setStoreHost(StoreHost *host)
{
    installed = host;
}
