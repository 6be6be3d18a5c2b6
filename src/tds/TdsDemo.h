#pragma once

#include <QString>

class Database;

// A TDS product database to try the import on: two clients, the first with the PAN of our
// demo client C001, with their TAN offices, their answers of the year and the interest
// setting for all clients; the quarters and due dates of the assessment year with the
// extensions of some states and periods; and for the first client challans, deductee rows
// (at the specified rate, at a lower rate, late deposits, payments to a non-resident and to
// a resident) and filed statements.
namespace TdsDemo
{

inline const QString kClientCode = QStringLiteral("T001");
inline const QString kOtherClientCode = QStringLiteral("T002");

// Replaces the demo tables in the database for the financial year ending in yearKey.
void create(Database &db, const QString &yearKey);

} // namespace TdsDemo
