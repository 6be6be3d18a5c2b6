#pragma once

#include "Commands.h"

#include <QCoreApplication>
#include <functional>
#include <memory>

// The body of main() of taxaudit and of taxaudit-pages: reads the command line, answers
// --help and --version, opens the database and runs the command, its questions answered by
// script.
namespace CommandMain
{

// What a program does with a command line that lays out pages (laysOutPages), before
// anything is opened. taxaudit hands the command line over to taxaudit-pages and comes back
// only when it cannot (no application: status 2); taxaudit-pages makes the application the
// layout needs and gives the command's work.
struct Pages {
    std::function<std::unique_ptr<QCoreApplication>(int &argc, char **argv, const CommandLine &line)>
        application;
    std::function<Command::Run(const CommandLine &line)> work;
};

int run(int argc, char **argv, const Pages &pages);

} // namespace CommandMain
