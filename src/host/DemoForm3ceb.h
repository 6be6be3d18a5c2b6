#pragma once

#include <QString>

// The demo client's Form 3CEB: an accountant's report under section 92E with associated
// enterprises abroad and in India, transactions of several types answered Yes with their
// rows, the other clauses answered No, and the specified domestic transactions.
namespace DemoForm3ceb
{

// Writes the report of the host's current client for the year; the caller holds the transaction.
void insert(const QString &name, const QString &pan, const QString &address, const QString &yearKey);

} // namespace DemoForm3ceb
