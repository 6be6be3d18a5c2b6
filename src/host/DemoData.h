#pragma once

#include <QString>

class TalvexBase;

// Demo clients of a small CA firm, their auditors and a partly filled audit report, so
// that a new installation has something to open.
namespace DemoData
{

// The year key of the demo reports (the financial year 2025-26).
QString demoYearKey();

// How far the demo reports are filled: the first client's Form 3CA report with the report
// page, Part A, a few clauses and the signing page, or that report with every clause of
// Form 3CD besides and the partnership firm's Form 3CB-3CD (both ready to file).
enum class Report { Partial, Filled };

// Creates the demo clients and reports; clients that already exist are left alone.
// Returns the number of clients created.
int create(TalvexBase &host, Report fill = Report::Partial);

} // namespace DemoData
