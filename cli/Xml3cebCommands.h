#pragma once

#include "CommandLine.h"

#include <QTextStream>

class TalvexBase;

// "generate-xml": the Form 3CEB e-filing XML of a report, written and checked against the
// Form 3CEB schema. "import-xml": such a file read back into a client's Form 3CEB of a year.
namespace Xml3cebCommands
{

int generateXml(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int importXml(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

// True when the document's root element is the Form 3CEB one.
bool isForm3ceb(const QByteArray &xml);

} // namespace Xml3cebCommands
