#pragma once

#include "AnnexureSheet.h"

// The annexure files of one clause in the client's annexure folder of the year. A clause
// keeps one file named by its identifier; clause 18 keeps its blocks there and the lists
// of each block in two more: "18A" the additions, "18D" the deductions, one row an entry
// with the number of its block first, so that a long schedule of assets is kept as
// the rows of a sheet, not as one cell of text a block.
namespace ClauseAnnexureFiles
{

// The clause's sheet as last kept; nothing when the clause has no annexure file.
std::optional<AnnexureSheet> read(const QString &folder, const QString &clause);
// Replaces the clause's files with the sheet; a sheet without rows removes them.
bool write(const QString &folder, const QString &clause, const AnnexureSheet &sheet);

} // namespace ClauseAnnexureFiles
