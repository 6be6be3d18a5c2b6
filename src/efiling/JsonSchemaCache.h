#pragma once

#include "JsonSchemaCheck.h"

#include <QString>
#include <memory>
#include <string>

// The checks of schema files, each read into valijson and compiled once for the process and
// used again while the file holds the same text: a large report is checked in a fraction of
// the time the schema takes to read. Safe from several threads.
namespace JsonSchemaCache
{

// The check for the text just read from `schemaFile`; a changed text is read again. Throws
// as JsonSchemaCheck's constructor does when the text is not a usable schema.
std::shared_ptr<const JsonSchemaCheck> check(const QString &schemaFile, const std::string &schemaText);

} // namespace JsonSchemaCache
