#pragma once

#include <QString>

// Word and Excel files (the financial statements an accountant signs with the audit report)
// turned into PDF by LibreOffice in headless mode, beside the source or where asked.
namespace OfficeToPdf
{

// The file filter of the files it converts, as the file dialogs take it.
inline const QString SourceFilter = QStringLiteral("Word Files|*.doc;*.docx|Excel Files|*.xls;*.xlsx");

// Empty when LibreOffice can be run here; otherwise why it cannot.
QString unavailable();

// The PDF a source is turned into by default: its name with ".pdf", in its folder.
QString pdfBeside(const QString &source);

// Converts `source` into `pdf` (replacing it). False, with the reason, when LibreOffice is
// missing, refuses the file or runs past two minutes; an earlier PDF then stays as it was.
bool convert(const QString &source, const QString &pdf, QString *error = nullptr);

} // namespace OfficeToPdf
