#pragma once

#include "store/ModuleState.h"

#include <QString>

class Database;

// Which of the two forms a client's report of a year is. The Form 3CD pages are the same
// for both; only the report page tells them apart, so a report without one (or no report
// at all) has no form yet and takes that of the first file imported into it.
namespace ReportForm
{

// Form 3CB when the report has Form 3CB's report page (page 101), Form 3CA when it has
// Form 3CA's (page 1), None otherwise.
FormKind stored(Database &db, const QString &client, const QString &yearKey);

// The refusal of a file of the other form: "Selected JSON File is not a Form 3CA-3CD JSON File".
QString notThisForm(FormKind report);

} // namespace ReportForm
