#pragma once

#include "ErrorReportWindow.h"
#include "store/ModuleState.h"

// The pre-filing check of e-filing JSON files against the form's JSON schema.
class frmeflvalid : public ErrorReportWindow
{
    Q_OBJECT
public:
    using ErrorReportWindow::ErrorReportWindow;

    // "FORM3CA3CD_MainSchema.json" and the like; "" for a form without a JSON schema.
    static QString schemaFileName(FormKind kind);

    // Checks the file against the schema of the open form in the schema folder; when
    // faults remain, shows them. 1 when the file is not valid, 0 when it is. The year
    // (the first year of the financial year) is the caller's; the schema folder already
    // belongs to it.
    static int ValidFile(int year, const QString &schemaFolder, const QString &file);

    // Runs the validator and keeps the findings the check heeds.
    static CheckResult check(const QString &file, const QString &schemaFile);

    // Findings the check does not list: the department's schemas ask for numbers and
    // members where the software writes text or nothing, and accept the file all the same.
    static bool ignored(const ValidationFinding &finding);
};
