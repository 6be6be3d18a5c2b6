#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// "taxaudit [--db ADDRESS] COMMAND [--name value | --flag] [ARG...]"
struct CommandLine {
    QString command;
    QHash<QString, QString> options; // "--client" -> "C001"; flags map to ""
    QStringList arguments;

    static CommandLine parse(const QStringList &args, const QStringList &flags);
    bool has(const QString &option) const { return options.contains(option); }
    QString value(const QString &option) const { return options.value(option); }
};
