#include "ClauseAnnexureFiles.h"

#include "catalogue/DepreciationEntries.h"
#include "catalogue/Vocabulary.h"
#include "model/depreciation/Clause18Row.h"

namespace ClauseAnnexureFiles
{

namespace
{

const QString kDepreciation = QStringLiteral("18");

QString additionsFile(const QString &clause)
{
    return clause + QLatin1Char('A');
}

QString deductionsFile(const QString &clause)
{
    return clause + QLatin1Char('D');
}

AnnexureSheetColumn column(const QString &heading, int type)
{
    AnnexureSheetColumn c;
    c.heading = heading;
    c.type = type;
    c.alignment = type == 3 || type == 4 ? 2 : 1;
    return c;
}

// An entry's field in its file: dates as type 2, amounts as type 4, the tick as type 5.
AnnexureSheetColumn fieldColumn(const Catalogue::Column &field)
{
    switch (field.kind) {
    case Catalogue::Kind::Date:
        return column(field.heading, 2);
    case Catalogue::Kind::Tick:
        return column(field.heading, 5);
    default:
        return column(field.heading, 4);
    }
}

// The columns of an entries file: the block's number, then the fields of an entry.
QList<AnnexureSheetColumn> entryColumns(const QList<Catalogue::Column> &fields)
{
    QList<AnnexureSheetColumn> columns{column(QStringLiteral("Block"), 3)};
    for (const Catalogue::Column &field : fields)
        columns << fieldColumn(field);
    return columns;
}

// Block numbers count from 1, as the rows of the schedule are numbered on screen.
int blockOf(const QStringList &entry, int blocks)
{
    bool ok = false;
    const int block = entry.value(0).toInt(&ok);
    return ok && block >= 1 && block <= blocks ? block - 1 : -1;
}

// The entries of a list cell as rows of its file, the block's number first; the fields
// are kept as the cell holds them, so that the block reads back unchanged.
void appendEntries(QList<QStringList> &file, int block, const QString &cell)
{
    for (const QStringList &fields : Vocabulary::splitList(cell))
        file << (QStringList{QString::number(block + 1)} + fields);
}

bool writeDepreciation(const QString &folder, const QString &clause, const AnnexureSheet &sheet)
{
    AnnexureSheet blocks = sheet;
    AnnexureSheet additions{entryColumns(DepreciationEntries::additionColumns()), {}};
    AnnexureSheet deductions{entryColumns(DepreciationEntries::deductionColumns()), {}};
    for (int r = 0; r < blocks.rows.size(); ++r) {
        QStringList &row = blocks.rows[r];
        if (row.size() <= Clause18::DeductionsList)
            continue;
        appendEntries(additions.rows, r, row.at(Clause18::AdditionsList));
        appendEntries(deductions.rows, r, row.at(Clause18::DeductionsList));
        row[Clause18::AdditionsList].clear();
        row[Clause18::DeductionsList].clear();
    }
    const bool ok = AnnexureFile::write(AnnexureFile::pathOf(folder, clause), blocks);
    return AnnexureFile::write(AnnexureFile::pathOf(folder, additionsFile(clause)), additions) &&
           AnnexureFile::write(AnnexureFile::pathOf(folder, deductionsFile(clause)), deductions) && ok;
}

// Each block gets back the lists its entries in the two files name it by. A block file
// kept before the lists had files of their own holds them in its rows and keeps them.
void restoreLists(const QString &folder, const QString &clause, AnnexureSheet &sheet)
{
    const auto additions = AnnexureFile::read(AnnexureFile::pathOf(folder, additionsFile(clause)));
    const auto deductions = AnnexureFile::read(AnnexureFile::pathOf(folder, deductionsFile(clause)));
    if (!additions && !deductions)
        return;
    const int blocks = int(sheet.rows.size());
    const auto entriesOf = [blocks](const std::optional<AnnexureSheet> &file) {
        QList<QList<QStringList>> byBlock(blocks);
        for (const QStringList &entry : file ? file->rows : QList<QStringList>()) {
            const int block = blockOf(entry, blocks);
            if (block >= 0)
                byBlock[block] << entry.mid(1);
        }
        return byBlock;
    };
    const QList<QList<QStringList>> added = entriesOf(additions);
    const QList<QList<QStringList>> deducted = entriesOf(deductions);
    for (int r = 0; r < blocks; ++r) {
        QStringList &row = sheet.rows[r];
        while (row.size() <= Clause18::DeductionsList)
            row << QString();
        row[Clause18::AdditionsList] = Vocabulary::joinList(added.at(r));
        row[Clause18::DeductionsList] = Vocabulary::joinList(deducted.at(r));
    }
}

} // namespace

std::optional<AnnexureSheet> read(const QString &folder, const QString &clause)
{
    std::optional<AnnexureSheet> sheet = AnnexureFile::read(AnnexureFile::pathOf(folder, clause));
    if (sheet && clause == kDepreciation)
        restoreLists(folder, clause, *sheet);
    return sheet;
}

bool write(const QString &folder, const QString &clause, const AnnexureSheet &sheet)
{
    if (clause == kDepreciation)
        return writeDepreciation(folder, clause, sheet);
    return AnnexureFile::write(AnnexureFile::pathOf(folder, clause), sheet);
}

} // namespace ClauseAnnexureFiles
