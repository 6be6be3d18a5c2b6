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

} // namespace PsToPdf
