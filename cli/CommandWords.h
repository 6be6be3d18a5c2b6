#pragma once

#include <QString>
#include <QStringList>

// The options that take no value, and the words the commands answer with, for every
// command of taxaudit and taxaudit-pages alike.
namespace CommandWords
{

inline const QString Yes = QStringLiteral("--yes");
inline const QString Force = QStringLiteral("--force");
inline const QString FormSwitch = QStringLiteral("--form-switch");
inline const QString Blank = QStringLiteral("--blank");
inline const QString ItdPortal = QStringLiteral("--itd-portal");
inline const QString NilFirstColumn = QStringLiteral("--nil-first-column");
inline const QString Depreciation = QStringLiteral("--depreciation");
inline const QString WithoutFigures = QStringLiteral("--without-figures");
inline const QString Help = QStringLiteral("--help");
inline const QString Version = QStringLiteral("--version");

inline QStringList flags()
{
    return {Yes,          Force,          FormSwitch, Blank,  ItdPortal, NilFirstColumn,
            Depreciation, WithoutFigures, Help,       Version};
}

// Closes the error of a command that wrote nothing.
inline constexpr const char *NoFileWritten = "No file was written.\n";
// The status of an import that took nothing in.
inline const QString NotImported = QStringLiteral("Not imported");
inline constexpr const char *GivePdf = "Give the PDF file to write with --pdf.\n";

} // namespace CommandWords
