#pragma once

#include "host/AuditFiling.h"

class ReportEngine;

// The tax-audit filing-status report: the clients of a year with the status of their
// report on the portal, its due date and the date it was filed.
namespace FilingStatusReport
{

void build(ReportEngine &engine, const QString &title, const QString &yearKey,
           const QList<AuditFiling::Entry> &entries);

} // namespace FilingStatusReport
