#pragma once

#include <QHash>
#include <QString>

struct ReportKey;

// The signing accountant as "OtherInformation1" describes them, from the host's auditor
// record of the report's client and year: name parts, an Indian address by its codes, the
// membership and firm registration numbers.
namespace AuditorMembers
{

QHash<QString, QString> load(const ReportKey &key);

} // namespace AuditorMembers
