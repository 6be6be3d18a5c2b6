#pragma once

#include "WorkbookReader.h"

// Reads a legacy .xls workbook (Excel 97-2003) through freexl. Only the helper process
// talvex-xls calls it; the program reads .xls files through XlsProcess.
namespace XlsReader
{

std::optional<QList<WorkbookSheet>> read(const QString &path, QString *error);

} // namespace XlsReader
