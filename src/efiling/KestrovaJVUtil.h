#pragma once

#include "ValidationFinding.h"

#include <QString>
#include <string_view>

// The JSON schema validator the e-filing screens call: the findings of a file checked against
// its form's schema, as data.
class KestrovaJVUtil
{
public:
    // The file's findings (none when it conforms to the schema), or the reason the check could
    // not run when a file cannot be read or the schema cannot be used.
    SchemaCheckResult Validate(const QString &jsonFile, const QString &schemaFile) const;
    // The same for a text in memory: the bytes just written to a file, not read back.
    SchemaCheckResult ValidateText(std::string_view jsonText, const QString &schemaFile) const;

    // Writes the file one member a line, indented, into formattedFile for the viewer,
    // every value exactly as the file has it; false, with the reason in `why`, when it cannot.
    bool UnFormat(const QString &jsonFile, const QString &formattedFile, QString *why = nullptr) const;
};
