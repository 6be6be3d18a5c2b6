#pragma once

#include <QString>

namespace PdfFile
{

// Empty when the file opens as a PDF with at least one page; else what is wrong with it.
QString readsBack(const QString &path);

} // namespace PdfFile
