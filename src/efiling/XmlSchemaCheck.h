#pragma once

#include "ValidationFinding.h"

#include <QList>
#include <QString>

// Checks an e-filing XML file against an XML Schema the way a validating SAX reader does:
// the file is read from start to end and every fault is noted with the reader's line and
// column, at most `limit` of them.
namespace XmlSchemaCheck
{

struct Result {
    QList<ValidationFinding> findings;
    QString failure; // why the check could not run (schema or file unreadable); empty otherwise
};

Result run(const QString &xmlFile, const QString &schemaFile, int limit = 1000);

} // namespace XmlSchemaCheck
