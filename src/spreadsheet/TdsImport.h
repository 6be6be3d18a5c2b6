#pragma once

#include <QHash>
#include <QStringList>

class ReportModel;

// Brings a filled TDS workbook into a report: clauses 34(a), 34(b), 34(c) on page 17 and
// 21(b)(i)(B), 21(b)(ii)(B) on page 9, each list also kept as the clause's annexure file.
// A workbook of another PAN or year is taken only when the user says so; the user chooses
// whether the lists replace what the clauses hold or are added to it.
namespace TdsImport
{

// annexFolder: the client's annexure folder of the year; empty keeps no annexure files.
bool importWorkbook(ReportModel &report, const QString &path, const QString &clientPan,
                    const QString &annexFolder);

// Asks whether the lists replace what the clauses hold, writes them into the clause grids
// and annexure files and saves the pages, all or nothing.
bool writeLists(ReportModel &report, const QHash<QString, QList<QStringList>> &rowsByPoint,
                const QString &annexFolder);

// "2025-26" for the year key "2026".
QString financialYear(const QString &yearKey);

} // namespace TdsImport
