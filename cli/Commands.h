#pragma once

#include "CommandLine.h"

#include <QTextStream>
#include <functional>

class TalvexBase;

// One command of the tool: its name, its help (the synopsis with every option, then what
// it does, after two spaces or more), and its work. Exit status 0 on success, 1 when the
// work found a fault, 2 on bad input.
struct Command {
    using Run =
        std::function<int(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)>;
    QString name;
    QString usage;
    // Empty for a command that only lays out pages: taxaudit-pages runs it (PageCommands.h).
    Run run;
};

const QList<Command> &commands();

// Whether the command line lays out pages (print, to-pdf, sign, accounts, filing-status with
// --pdf). Those need Qt's GUI library, Ghostscript and poppler, whose loading took most of a
// short command's time, so taxaudit hands them over to taxaudit-pages.
bool laysOutPages(const CommandLine &line);

// The tool's whole help: what --help prints, and what its manual page is made from.
QString helpText();
// How a command uses the year it is given: one that only reads it creates no tables, one
// that only names the period neither reads nor makes them.
enum class YearUse { Write, Read, Name };

// Selects the client and year named by --client and --year; false after telling why.
bool selectClientAndYear(TalvexBase &host, const CommandLine &line, QTextStream &err,
                         YearUse use = YearUse::Write);

// Whether the command may write `target`: never a file the program holds open (the database),
// and an existing file only with --yes; false after telling why.
bool mayWrite(const QString &target, const CommandLine &line, QTextStream &err);

// The PDF file named by --pdf; "" after telling that it is missing.
QString pdfTarget(const CommandLine &line, QTextStream &err);

// A stored text on one line of output: backslashes, tabs, line breaks and other control
// characters written as escapes ("\\", "\t", "\n", "\r", "\0", "\x{1b}").
QString oneLine(const QString &value);
