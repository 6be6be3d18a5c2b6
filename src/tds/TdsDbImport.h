#pragma once

#include "TdsLists.h"

class ReportModel;

// The import of TDS details from the TDS product's database into a report: the checks and
// questions before anything is read, the four steps, and the lists written as the
// workbook import writes them (clause grids, annexure files, pages saved in one go).
namespace TdsDbImport
{

// Asks about a selection: none ("Please select atleast one Client."), a client of another
// PAN, several clients. False when the selection is refused or the user says No.
bool confirmClients(const QList<TdsClient> &selected, const QString &clientPan);

// Why a corrected due date of the return of income is refused; empty when it is a date.
QString dueDateRefusal(const QString &text);

// The due date of the return of income for an assessment year as the product records it.
QString returnDueDate(TdsSource &source, const QString &assessmentYear);

// Builds the lists and writes them; false when cancelled, when nothing was found ("No
// Record !") or when the user keeps what the report holds. built receives the lists.
bool importLists(ReportModel &report, TdsSource &source, const QList<TdsClient> &clients,
                 const TdsLists::Options &options, const QString &annexFolder,
                 const TdsLists::Progress &progress, TdsLists::Lists *built = nullptr);

} // namespace TdsDbImport
