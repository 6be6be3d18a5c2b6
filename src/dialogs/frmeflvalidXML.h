#pragma once

#include "ErrorReportWindow.h"
#include "store/ModuleState.h"

// The pre-filing check of e-filing XML files against the form's XML Schema.
class frmeflvalidXML : public ErrorReportWindow
{
    Q_OBJECT
public:
    using ErrorReportWindow::ErrorReportWindow;

    static constexpr int kErrorLimit = 1000;

    // "Form.xsd", "Form3CEB.xsd" and the like; "" for a form without one.
    static QString schemaFileName(FormKind kind);

    // Checks the file against the open form's schema in the schema folder; when faults
    // are found, shows the first 1000. 1 when the file is not valid (a missing schema
    // file is named to the user), 0 when it is.
    static int ValidFile(int year, const QString &schemaFolder, const QString &file);

    static CheckResult check(const QString &file, const QString &schemaFile);
};
