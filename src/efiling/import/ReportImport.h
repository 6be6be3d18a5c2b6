#pragma once

#include <memory>

class JsonValue;
class ReportModel;
struct ImportDocument;
struct ImportTarget;

// A Form 3CA-3CD or Form 3CB-3CD e-filing file read back into a report, with no dialog:
// the steps of the import in their order (the declaration, Part A, then the clauses) turn
// the file into rows, which then replace the report's rows in one transaction.
namespace ReportImport
{

// Replaces the report's rows (not its remarks) by those of the file; throws DbError, and
// then the report is as it was. The parsed document is let go as soon as its rows are
// read, and the rows are moved on rather than copied: a large file is never held twice.
void replace(const ImportTarget &target, ImportDocument document);

// The report the file gives, made whole by the rules; nothing is stored.
std::unique_ptr<ReportModel> reportOf(const ImportTarget &target, const JsonValue &formKey);

} // namespace ReportImport
