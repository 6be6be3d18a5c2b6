#pragma once

#include <QString>
#include <QStringList>

// What the command-line tool printed and how it ended.
struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the real taxaudit with its documents folder, settings file and temporary folder
// inside `home`, so tests never touch the user's own.
ToolRun runTaxaudit(const QString &home, const QStringList &arguments);
