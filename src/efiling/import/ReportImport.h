#pragma once

#include <QStringList>

class JsonValue;
struct ImportTarget;

// A Form 3CA-3CD or Form 3CB-3CD e-filing file read back into a report, with no dialog:
// the steps of the import in their order (the declaration, Part A, then the clauses) turn
// the file into rows, which then replace the report's rows in one transaction.
namespace ReportImport
{

// What the user should know after an import: members of the file that no reader knows
// ("Form3cdPl/Remarks"), which could not be kept, and the clauses whose Yes/No question
// the file leaves unanswered and no block of the file answers.
struct Notes {
    QStringList unknownMembers;
    QStringList unansweredClauses;

    // The one notice that says both; "" when there is nothing to say.
    QString text() const;
};

// Replaces the report's rows (not its remarks) by those of the file; throws DbError, and
// then the report is as it was.
Notes replace(const ImportTarget &target, const JsonValue &formKey);

} // namespace ReportImport
