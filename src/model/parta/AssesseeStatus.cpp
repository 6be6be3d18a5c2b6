#include "AssesseeStatus.h"

#include "model/rules/AssesseeStatuses.h"

namespace AssesseeStatus
{

const QStringList &entries()
{
    return AssesseeStatuses::entries();
}

int fromHost(const QString &hostStatus)
{
    return AssesseeStatuses::fromHost(hostStatus);
}

} // namespace AssesseeStatus
