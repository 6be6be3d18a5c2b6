#pragma once

#include <QHash>
#include <QString>

// The signing accountant as "OtherInformation1" describes them, from the host's auditor
// record of the client and year: name parts, an Indian address by its codes, the
// membership and firm registration numbers.
namespace AuditorMembers
{

QHash<QString, QString> load();

} // namespace AuditorMembers
