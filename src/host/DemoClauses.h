#pragma once

#include <QString>

namespace DemoData
{

// The rest of the first demo client's Form 3CD, so that the demo report is complete
// enough to file: every Yes/No question answered, tables, attachments, an address abroad.
// Writes through the clause store for the open form, client and year.
void insertFilledClauses(const QString &yearKey);

} // namespace DemoData
