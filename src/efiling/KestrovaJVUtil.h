#pragma once

#include <QString>
#include <string_view>

// The JSON schema validator component the e-filing screens call: results are plain text
// so that the screens read them the same way whichever validator produced them
// (see ValidationFinding for the layout).
class KestrovaJVUtil
{
public:
    // "#OK#" when the file conforms to the schema, else its findings; "#ERROR#" and the
    // reason when a file cannot be read or the schema cannot be used.
    QString Validate(const QString &jsonFile, const QString &schemaFile) const;
    // The same for a text in memory: the bytes just written to a file, not read back.
    QString ValidateText(std::string_view jsonText, const QString &schemaFile) const;

    // Writes the file one member a line, indented, into formattedFile for the viewer,
    // every value exactly as the file has it; "#OK#", or "#ERROR#" and the reason.
    QString UnFormat(const QString &jsonFile, const QString &formattedFile) const;
};
