#include "DepreciationBlocks.h"

#include "ClauseCatalogue.h"

namespace DepreciationBlocks
{

const QList<DepreciationBlock> &all()
{
    static const QList<DepreciationBlock> list = [] {
        QList<DepreciationBlock> blocks;
        for (const Catalogue::CodeEntry &e : ClauseCatalogue::instance().codeTable(Table))
            blocks.append({e.code.toInt(), e.text, e.rate});
        return blocks;
    }();
    return list;
}

const DepreciationBlock *byId(int id)
{
    for (const DepreciationBlock &b : all()) {
        if (b.id == id)
            return &b;
    }
    return nullptr;
}

const DepreciationBlock *byDescription(const QString &description)
{
    for (const DepreciationBlock &b : all()) {
        if (b.description == description)
            return &b;
    }
    return nullptr;
}

QString currentDescription(const QString &description)
{
    // Earlier versions stored short texts ("Building 10%"); the catalogue keeps them as aliases.
    const Catalogue::CodeEntry *entry = ClauseCatalogue::instance().entryOf(Table, description.trimmed());
    return entry ? entry->text : description;
}

} // namespace DepreciationBlocks
