#pragma once

#include "JsonFileCheck.h"
#include "store/ModuleState.h"

#include <QByteArray>
#include <QDate>
#include <QString>

class JsonLineWriter;
class QFileDevice;
class ReportModel;
struct ReportKey;

// Writes the e-filing JSON of a Form 3CA-3CD or Form 3CB-3CD report from its model and
// checks it against the form's schema, without a dialog: the desktop command and the
// command-line tool put their own questions and messages around it.
namespace EfilingExport
{

enum class Outcome { NotWritten, Valid, Invalid };

struct Result {
    Outcome outcome = Outcome::NotWritten;
    // Why the file was not written, or why the check could not run.
    QString failure;
    // The schema's findings, every one that `taxaudit validate` lists, with the viewer's text.
    FileCheckResult check;
    // A document that failed the check is not put in its place; it is kept here for the error
    // report ("" when none was kept).
    QString rejected;
};

// "FORM3CA" or "FORM3CB" / "F3CA" or "F3CB".
QString formRoot(FormKind kind);
QString formKey(FormKind kind);
// "3CA_AABCS1234K_2026.json": the form code, the PAN and the year key. The PAN comes from
// the client master as typed: only a real PAN goes into a file name ("3CA_2026.json" else).
QString defaultFileName(FormKind kind, const QString &pan, const QString &yearKey);
// "FIRST_SECOND_YEAR.json": the name of an e-filing JSON file of a form and a year.
QString fileName(const QString &first, const QString &second, const QString &yearKey);
// The folder of the form's schemas in the installation, and the main schema in it.
QString schemaFolder(FormKind kind);
QString schemaFile(FormKind kind);

// The document of the report, created on `today`.
QByteArray compose(const ReportModel &model, const QDate &today);
void compose(JsonLineWriter &w, const ReportModel &model, const QDate &today);
// The document composed straight into an open file; false when the file did not take it all.
// A fault midway leaves the file holding what was written, closed.
bool writeDocument(const ReportModel &model, QFileDevice &out, const QDate &today);
// The same document of the stored report, the rules applied: its long grids are read as
// text a row at a time (WritingRows), so a report of a million rows is never held whole.
bool writeDocument(const ReportKey &key, QFileDevice &out, const QDate &today);

// Writes the document and checks it as `taxaudit validate` does; only a document that passes
// is put at `path` (replacing a file there), Outcome::Valid. With a filing type ("O" original,
// "R" revised) the file is then wrapped in the upload envelope. A document that fails leaves
// `path` as it was: Outcome::Invalid with the findings. A report never filled in is refused,
// Outcome::NotWritten with "Form is not filled please fill the form".
Result writeReport(const ReportModel &model, const QString &path, const QString &filingType = {},
                   const QDate &today = QDate::currentDate());
// The same of the stored report as every writer takes it (ReportRules::loadAsWritten), read
// through writeDocument(key): what Generate JSON and `taxaudit generate-json` write.
Result writeReport(const ReportKey &key, const QString &path, const QString &filingType = {},
                   const QDate &today = QDate::currentDate());

// Wraps a written file of the report in the upload envelope; false when the file could not
// be rewritten.
bool wrapForUpload(const QString &path, const QString &filingType, const ReportKey &key);

} // namespace EfilingExport
