#pragma once

class Database;
class ReportModel;
struct ImportTarget;

// Puts imported rows in place of a report's rows: the old rows go (the remarks of page 301
// stay) and the new ones are inserted, all in one transaction, so a failure part way
// leaves the report exactly as it was. Throws DbError on failure.
namespace ReportReplacement
{

void replace(Database &db, const ImportTarget &target, const ReportModel &report);

} // namespace ReportReplacement
