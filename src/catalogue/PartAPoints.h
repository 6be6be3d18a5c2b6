#pragma once

#include <QString>

// Points of Part A that the rules, the pages, the files and the print all read: the
// particulars row of Form 3CD's Part A, its clause 8a, and Form 3CB's first paragraph.
namespace PartAPoints
{

inline constexpr int Page = 2;
// Status, previous year and the other particulars of clauses 5 to 7, one row.
inline const QString Particulars = QStringLiteral("3CD_A");
// Clause 8a: whether a concessional section was opted for, and which.
inline const QString Answer8a = QStringLiteral("Opt8a");
inline const QString Section8a = QStringLiteral("8a");

// Form 3CB's report page and its first paragraph, one row.
inline constexpr int Form3cbPage = 101;
inline const QString Form3cbPointOne = QStringLiteral("3CBPT1");

} // namespace PartAPoints
