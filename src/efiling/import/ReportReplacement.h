#pragma once

#include <QList>

class Database;
class ImportedRows;
class ReportModel;
struct ImportTarget;

// Puts imported rows in place of a report's rows: the old rows go (the remarks of page 301
// stay) and the new ones are inserted, all in one change of the report (ReportChange), so a
// failure part way, or a No to its question, leaves the report exactly as it was. Throws
// DbError on failure.
namespace ReportReplacement
{

// The report's rows, and the rows of `imported` listed in `passing` (grid rows written as
// they were read), unpacked a group at a time.
void replace(Database &db, const ImportTarget &target, const ReportModel &report,
             const ImportedRows &imported, const QList<int> &passing);

} // namespace ReportReplacement
