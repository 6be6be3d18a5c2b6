#pragma once

#include "ErrorReportWindow.h"
#include "store/ModuleState.h"

// The pre-filing check of e-filing JSON files against the form's JSON schema.
class frmeflvalid : public ErrorReportWindow
{
    Q_OBJECT
public:
    using ErrorReportWindow::ErrorReportWindow;

    // Checks the file against the schema of the open form in the schema folder; when
    // faults remain, shows them. 1 when the file is not valid, 0 when it is. The year
    // (the first year of the financial year) is the caller's; the schema folder already
    // belongs to it.
    static int ValidFile(int year, const QString &schemaFolder, const QString &file);
};
