#pragma once

#include <QList>
#include <QString>

// The blocks of assets that clause 18 offers, in the order of its drop-down: the
// catalogue's "depreciationBlock" table. The texts are stored in the clause rows exactly
// as listed and the e-filing writer recognises a block by its text, so they must never be
// corrected; texts of earlier versions are the table's aliases.
struct DepreciationBlock {
    int id;              // the block's identifier in the e-filing file
    QString description; // column 0 of the clause 18 grid
    QString rate;        // column 1: the rate entry of the same identifier
};

namespace DepreciationBlocks
{

// The catalogue's code table of the blocks, which also gives each block's method.
inline const QString Table = QStringLiteral("depreciationBlock");

const QList<DepreciationBlock> &all();
// nullptr when the identifier or the text is not in the list.
const DepreciationBlock *byId(int id);
const DepreciationBlock *byDescription(const QString &description);

// The current text of a description saved by earlier versions ("Building 10%"); any other
// text comes back unchanged.
QString currentDescription(const QString &description);

} // namespace DepreciationBlocks
