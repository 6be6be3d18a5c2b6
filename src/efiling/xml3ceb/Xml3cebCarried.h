#pragma once

#include "store/ClauseStore.h"

#include <QList>

// What an import of the e-filing XML replaces. The file carries the declarations, the
// accountant, the annexure, the enterprises, the transactions and the answers, but not the
// UDIN, clause 25New, the remarks or the columns the pages keep beside the department's
// (the nature of business, an enterprise's country or identification): those stay as the
// report had them.
namespace Xml3cebCarried
{

// The report after the import: the file's rows, each completed in the columns the file
// does not fill from the stored row it stands for (a single row: the one stored at its
// page and point; a grid row: the stored row of its point that names the same enterprise),
// and every stored row of a page and point the file does not carry. A grid row's place in
// its grid, in `sequenceColumn`, is the file's.
QList<ClauseStore::ClauseRow> merged(const QList<ClauseStore::ClauseRow> &stored,
                                     const QList<ClauseStore::ClauseRow> &imported, int sequenceColumn);

} // namespace Xml3cebCarried
