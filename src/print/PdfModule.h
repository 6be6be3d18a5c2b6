#pragma once

#include <QString>
#include <QStringList>

class PdfEngine;

// The module that reads and signs PDF files, talvex-pdf.so: beside the program in its build
// folder, in the program's library folder once installed.
namespace PdfModule
{

// The engine of the module, loaded on the first call; null with the reason when the module
// cannot be loaded.
const PdfEngine *engine(QString *error);

// The folders the module is looked for in, first to last.
QStringList folders();

// The module in the first of the folders that holds it, loaded now; null with the reason
// when none does or it does not load.
const PdfEngine *load(const QStringList &folders, QString *error);

} // namespace PdfModule
