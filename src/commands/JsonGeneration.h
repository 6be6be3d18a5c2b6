#pragma once

#include "efiling/EfilingExport.h"
#include "store/ReportKey.h"

#include <QString>

// Generate JSON of a Form 3CA-3CD or Form 3CB-3CD report, as the editor's command and
// `taxaudit generate-json` run it: the file is written to a temporary file, checked as
// `taxaudit validate` checks it and only then put in place; the upload is offered for a file
// that passed. The editor shows the findings of a file that did not pass in its error report,
// taxaudit lists them.
namespace JsonGeneration
{

// Asks where the file goes, offering the form, PAN and year as its name in the client's
// returns folder, and whether a file there may be replaced; "" when the user cancels.
QString chooseFile(const ReportKey &report);

// Writes the stored report to `file`; with a filing type ("O", "R") the file is wrapped in the
// upload envelope at once.
EfilingExport::Result write(const ReportKey &report, const QString &file, const QString &filingType = {});

// The offer to upload a written file, and its title.
QString uploadQuestion(const QString &file);
QString uploadTitle();
// The offer asked as a choice: "N", or "Y|O" / "Y|R" with the filing type.
QString askUpload(const QString &file);
// Wraps the file in the upload envelope of the filing type and tells where it lies for the
// portal; false, told so, when the file could not be rewritten.
bool prepareUpload(const QString &file, const QString &filingType, const ReportKey &report);

} // namespace JsonGeneration
