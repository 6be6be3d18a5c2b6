#pragma once

#include "ValidationFinding.h"
#include "store/ModuleState.h"

#include <QList>
#include <QString>
#include <string_view>

// What one check of an e-filing file found, and the text the error report's viewer shows
// with each finding's line in that text.
struct FileCheckResult {
    QList<ValidationFinding> findings;
    QString viewerText;
    QList<int> viewerLines;
    QString failure; // the check could not run
    // "This file uses the layout of AY 2022-23; …" for a file of an earlier layout, whose
    // findings are then only those the layout does not explain; "" otherwise.
    QString layout;
};

// The pre-filing check of e-filing JSON files against the form's JSON schema.
namespace JsonFileCheck
{

// "FORM3CA3CD_MainSchema.json" and the like; "" for a form without a JSON schema.
QString schemaFileName(FormKind kind);

// The form of an e-filing JSON text by its root member (inside an upload envelope too),
// read only as far as that member; FormKind::None when the text names neither form.
FormKind formOfText(std::string_view text);

// Which findings a check keeps: those the error report lists (not the ignored ones below),
// or all, as `taxaudit validate` lists them and as a file this program writes must pass.
enum class Heed { Listed, All };

// Runs the validator and keeps the findings the check heeds. A file of one of the department's
// earlier layouts is told as such, once, in `layout`.
FileCheckResult check(const QString &file, const QString &schemaFile, Heed heed = Heed::Listed);
// The same for `written`, the bytes just written to `file`, checked without reading them back.
FileCheckResult check(const QString &file, const QByteArray &written, const QString &schemaFile,
                      Heed heed = Heed::Listed);

// Findings the check does not list: the department's schemas ask for numbers and members
// where the software writes text or nothing, and accept the file all the same: a missing
// member, a text where a number or whole number is asked for, a number below a minimum of 0.
bool ignored(const ValidationFinding &finding);

} // namespace JsonFileCheck
