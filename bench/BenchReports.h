#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Database;
class TestHost;

// The large reports and files the benchmarks work on, made the same way by each of them.
namespace BenchReports
{

constexpr int kReturns = 500;

// One payment of clause 34(a), numbered I.
QStringList clause34aRecord(int i);

// Clause 34(a) of the open report replaced by ROWS payments.
void growClause34a(TestHost &env, int rows);

// The PAN of bulk client I, and clients B0000.. with those PANs, as a practice's master holds them.
QString panOf(int i);
void addClients(Database &db);

// The demo report's return under bulk client I's PAN.
QByteArray returnOf(const QByteArray &demoReturn, int i);

// The open filled report's return written once for each bulk client into FOLDER (clients added).
bool writeReturns(TestHost &env, const QString &folder);

// The demo client C004's Form 3CEB opened, with clause 11A's transactions grown to COUNT;
// gives the count stored.
int growForm3cebTransactions(TestHost &env, int count);

} // namespace BenchReports
