#pragma once

#include "print/PrintChoices.h"
#include "store/ReportKey.h"

#include <QString>

class ReportEngine;

// Printing a report, as the editor's Print command and `taxaudit print` run it: the report of
// the form as every writer takes it, laid out into the report engine, which the desktop
// previews and taxaudit writes to a PDF file (ReportEngine::saveAsPdf: a temporary file,
// checked, then put in place).
namespace ReportPrint
{

enum class Document {
    Report,      // the open form's report: Form 3CA/3CB-3CD from its templates, or Form 3CEB
    Depreciation // the clause 18 depreciation report of a Form 3CA/3CB-3CD report
};

// Lays out the report; false when nothing was printed (a Form 3CA/3CB-3CD report never
// filled in is told so).
bool compose(ReportEngine &engine, const ReportKey &report, const PrintChoices &choices,
             Document document = Document::Report);

// "Nothing was printed.": a command asked to print found nothing to print.
QString nothingPrinted();
// "Cannot write FILE: reason".
QString cannotWrite(const QString &file, const QString &reason);

} // namespace ReportPrint
