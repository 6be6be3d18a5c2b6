#pragma once

#include "ValidationFinding.h"

#include <QList>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Checks JSON documents against one JSON Schema (draft 4, with "definitions" and local
// "$ref"s, as the department's schemas are written) and words each fault as a finding
// with its place in the file. An upload envelope ("metadata" and "data") is checked by
// its "data".
class JsonSchemaCheck
{
public:
    // Throws std::runtime_error naming the fault when the schema text is not a usable schema.
    explicit JsonSchemaCheck(const std::string &schemaText);
    ~JsonSchemaCheck();

    // The faults of a document; a text that is no JSON gives one finding of kind Syntax.
    QList<ValidationFinding> run(std::string_view jsonText) const;

    // The finding of kind Syntax, at its line and column, of a text the portal or the import
    // cannot read as JSON (a member given twice in one object included); nothing otherwise.
    static std::optional<ValidationFinding> syntaxFault(const std::string &jsonText);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
