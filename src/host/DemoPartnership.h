#pragma once

#include "DemoClauses.h"

namespace DemoData
{

// The demo partnership firm's Form 3CB-3CD, complete enough to file: the report page with
// an observation, Part A, every clause answered, a few rows in the long lists, the signing
// page. Writes through the clause store for the open form, client and year.
void insertPartnershipReport(const Assessee &firm, const QString &yearKey);

} // namespace DemoData
