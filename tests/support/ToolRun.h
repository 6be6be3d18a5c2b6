#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

// What the command-line tool printed and how it ended.
struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the real taxaudit with its documents folder, settings file and temporary folder
// inside `home`, so tests never touch the user's own.
ToolRun runTaxaudit(const QString &home, const QStringList &arguments);
// The same, started and left running, for tests of several at once.
std::unique_ptr<QProcess> startTaxaudit(const QString &home, const QStringList &arguments);
// Another program of the installation (a copy of taxaudit, talvex) run the same way.
ToolRun runProgram(const QString &program, const QString &home, const QStringList &arguments);
