#pragma once

#include <QString>

class TalvexBase;

// Demo clients of a small CA firm, their auditors and a partly filled audit report, so
// that a new installation has something to open.
namespace DemoData
{

// The year key of the demo reports (the financial year 2025-26).
QString demoYearKey();

// Creates the demo clients and reports; clients that already exist are left alone.
// Returns the number of clients created.
int create(TalvexBase &host);

} // namespace DemoData
