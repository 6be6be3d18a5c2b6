#pragma once

#include <QString>

// The report templates the program ships in its installation folder's Reports/ReportsN are
// copied into the documents folder's Reports/ReportsN, where the Print Options dialog lists
// them and where a user may edit them; a file already there is the user's and stays.
namespace ShippedTemplates
{

// The templates' folder, under the installation folder and under the documents folder.
inline const QString Folder = QStringLiteral("Reports/ReportsN");

// Copies every shipped template missing from the documents folder; false when one cannot
// be copied.
bool install(const QString &exePath, const QString &docPath);

// The template a print names, installed first when it is one of the shipped ones; empty
// when there is no such file. A bare name ("3CD_OF1_2024_1") is looked up among the
// shipped and the user's templates of the documents folder.
QString resolve(const QString &exePath, const QString &docPath, const QString &nameOrPath);

} // namespace ShippedTemplates
