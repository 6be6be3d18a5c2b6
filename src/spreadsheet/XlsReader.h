#pragma once

#include "WorkbookReader.h"

// Reads a legacy .xls workbook (Excel 97-2003) through freexl.
namespace XlsReader
{

std::optional<QList<WorkbookSheet>> read(const QString &path, QString *error);

} // namespace XlsReader
