#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace DemoData
{

// The rest of the first demo client's Form 3CD, so that the demo report is complete
// enough to file: every Yes/No question answered, tables, attachments, an address abroad.
// Writes through the clause store for the open form, client and year.
void insertFilledClauses(const QString &yearKey);

// A grid point of the demo report: one row per grid row, its number in the sequence column.
void insertGrid(int page, const QString &point, const QList<QStringList> &rows);

} // namespace DemoData
