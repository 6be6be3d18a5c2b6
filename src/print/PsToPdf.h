#pragma once

#include <QString>

// Turns a PostScript print file into PDF through Ghostscript's library and its pdfwrite
// device. The interpreter's messages are collected for the caller.
namespace PsToPdf
{

struct Result {
    bool ok = false;
    QString messages; // what the interpreter wrote to its output and error streams
};

// Converts basePath + ".ps" into `outputPath`, or basePath + ".pdf" when none is given.
// On failure the PostScript file stays as it is.
Result convert(const QString &basePath, const QString &outputPath = {});

// The file filter of the print files it converts, as the file dialogs take it.
inline const QString SourceFilter = QStringLiteral("PostScript Files|*.ps");

// Converts a PostScript print file (a name ending ".ps") into `pdf`, which an earlier PDF
// leaves only for a whole one that reads back. False with the reason when it cannot.
bool convertFile(const QString &psFile, const QString &pdf, QString *error = nullptr);

} // namespace PsToPdf
