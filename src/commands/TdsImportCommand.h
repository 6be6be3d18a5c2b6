#pragma once

#include "tds/TdsLists.h"

#include <QStringList>

class ReportModel;

// The import of the TDS lists into a report, from a TDS workbook or from the TDS product's
// database, as the TDS import window and `taxaudit import-tds` run it: a workbook of another
// PAN or year, or a client of another PAN, is taken only when the user says so; the user
// chooses whether the lists replace what the clauses hold or are added to it. The clause
// pages are saved together and each list is kept as its clause's annexure file. Every
// message and question goes through the prompt interface.
namespace TdsImportCommand
{

// What an import did.
struct Result {
    bool imported = false; // the lists are in the report and saved
    QStringList points;    // the clauses written, in the workbook's order of sheets
    TdsLists::Lists lists; // what was read, for the preview of the details (database only)
};

// Asks about a selection of the product's clients: none ("Please select atleast one
// Client."), a client of another PAN, several clients. False when the selection is refused
// or the user says No.
bool confirmClients(const QList<TdsClient> &selected, const QString &clientPan);

// annexFolder: the client's annexure folder of the year; empty keeps no annexure files.
Result fromWorkbook(ReportModel &report, const QString &path, const QString &clientPan,
                    const QString &annexFolder);

// Builds the lists of the clients, already confirmed, in the product's four steps; nothing is
// written when cancelled, when nothing was found ("No Record !") or when the user keeps what
// the report holds.
Result fromDatabase(ReportModel &report, TdsSource &source, const QList<TdsClient> &clients,
                    const TdsLists::Options &options, const QString &annexFolder,
                    const TdsLists::Progress &progress);

} // namespace TdsImportCommand
