#pragma once

#include <QHash>
#include <QStringList>

class ReportEngine;

// The TDS import's preview: the lists found for clauses 34(a), 34(b), 34(c), 21(b)(i)(B)
// and 21(b)(ii)(B), each under its title in the columns the TDS details list it in.
namespace TdsDetailsReport
{

struct Heading {
    QString assessmentYear; // "2026-27"
    QString financialYear;  // "2025-26"
    QString pan;            // empty with several clients
    QString tan;
};

void build(ReportEngine &engine, const Heading &heading,
           const QHash<QString, QList<QStringList>> &rowsByPoint);

} // namespace TdsDetailsReport
