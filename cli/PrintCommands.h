#pragma once

#include "CommandLine.h"

#include <QTextStream>

class TalvexBase;

// "print": a client's audit report laid out as the desktop program prints it, into a PDF.
// "to-pdf": a Word or Excel file turned into PDF, as the signing window converts it.
// "sign": a PDF signed in place with a certificate of an NSS store, as the signing window does.
namespace PrintCommands
{

int print(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int toPdf(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);
int sign(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace PrintCommands
