#include "Clause18Workbook.h"

#include "catalogue/CellFormat.h"
#include "catalogue/DepreciationBlocks.h"
#include "catalogue/DepreciationEntries.h"
#include "catalogue/Vocabulary.h"
#include "model/depreciation/Clause18Row.h"

#include <optional>

namespace Clause18Workbook
{

namespace
{

enum SheetColumn {
    Particulars,
    Opening,
    Adjustment115BAC,
    AdjustmentIntangible,
    PurchaseDate,
    UseDate,
    Purchase,
    Cenvat,
    Exchange,
    Subsidy,
    SaleDate,
    SaleAmount,
    OutOfLess180,
    OtherAdjustments,
    Depreciation,
    BlockNil,
    SheetColumnCount
};

QString sum(const QString &a, const QString &b)
{
    if (a.isEmpty() && b.isEmpty())
        return {};
    return QString::number(CellFormat::number(a) + CellFormat::number(b), 'f', 2);
}

QString dateOrCutOff(const QString &text, const QDate &cutOff)
{
    const QString date = CellFormat::format(Catalogue::Kind::Date, text);
    return date.isEmpty() ? cutOff.toString(QStringLiteral("dd/MM/yyyy")) : date;
}

QString amount(const QString &text)
{
    return CellFormat::format(Catalogue::Kind::Amount, text);
}

struct Block {
    QStringList row = Clause18::emptyRow();
    QList<AdditionEntry> additions;
    QList<DeductionEntry> deductions;
    bool hasAssets = false;
};

void addAsset(Block &block, const QStringList &cells, const QDate &cutOff)
{
    block.hasAssets = true;
    QStringList &row = block.row;
    row[Clause18::OpeningWdv] = sum(row[Clause18::OpeningWdv], cells.value(Opening));
    row[Clause18::Adjustment115BAC] = sum(row[Clause18::Adjustment115BAC], cells.value(Adjustment115BAC));
    row[Clause18::AdjustmentIntangible] =
        sum(row[Clause18::AdjustmentIntangible], cells.value(AdjustmentIntangible));
    row[Clause18::OtherAdjustments] = sum(row[Clause18::OtherAdjustments], cells.value(OtherAdjustments));
    row[Clause18::DepreciationAllowable] =
        sum(row[Clause18::DepreciationAllowable], cells.value(Depreciation));
    // The tick keeps "False" when the sheet says No, as the page stores an unticked box.
    const QString nil = cells.value(BlockNil).trimmed();
    if (Vocabulary::isYes(nil))
        row[Clause18::BlockNil] = Vocabulary::TrueWord;
    else if (!nil.isEmpty() && row[Clause18::BlockNil].isEmpty())
        row[Clause18::BlockNil] = Vocabulary::FalseWord;

    if (!cells.value(Purchase).trimmed().isEmpty() || !cells.value(PurchaseDate).trimmed().isEmpty()) {
        AdditionEntry entry{dateOrCutOff(cells.value(PurchaseDate), cutOff),
                            dateOrCutOff(cells.value(UseDate), cutOff),
                            amount(cells.value(Purchase)),
                            amount(cells.value(Cenvat)),
                            amount(cells.value(Exchange)),
                            amount(cells.value(Subsidy)),
                            {}};
        entry.total = Clause18Lists::totalOf(entry);
        block.additions << entry;
    }
    if (!cells.value(SaleAmount).trimmed().isEmpty())
        block.deductions << DeductionEntry{dateOrCutOff(cells.value(SaleDate), cutOff),
                                           amount(cells.value(SaleAmount)),
                                           Vocabulary::isYes(cells.value(OutOfLess180))};
}

QStringList finished(Block &block, const QDate &cutOff)
{
    Clause18::applyAdditions(block.row, block.additions, cutOff);
    Clause18::applyDeductions(block.row, block.deductions);
    return block.row;
}

} // namespace

AnnexureLayout layout()
{
    const auto text = [](const QString &heading, int width = 110) {
        return AnnexureColumn{heading, Catalogue::Kind::Text, width, false, {}, true, {}};
    };
    const auto money = [](const QString &heading) {
        return AnnexureColumn{heading, Catalogue::Kind::Amount, 110, false, {}, true, {}};
    };
    const auto date = [](const QString &heading) {
        return AnnexureColumn{heading, Catalogue::Kind::Date, 90, false, {}, true, {}};
    };
    const auto yesNo = [](const QString &heading) {
        return AnnexureColumn{
            heading, Catalogue::Kind::List, 110, false, {Vocabulary::Yes, Vocabulary::No}, true, {}};
    };
    const auto inBand = [](AnnexureColumn column, const QString &band) {
        column.band = band;
        return column;
    };
    const QString additions = QStringLiteral("Additions");
    const QString deductions = QStringLiteral("Deductions");
    AnnexureLayout l;
    namespace Entries = DepreciationEntries;
    l.columns = {text(QStringLiteral("Description of block / Particulars of asset"), 360),
                 money(Entries::blockHeading(Clause18::OpeningWdv)),
                 money(Entries::blockHeading(Clause18::Adjustment115BAC)),
                 money(Entries::blockHeading(Clause18::AdjustmentIntangible)),
                 inBand(date(Entries::additionHeading(Entries::PurchaseDate)), additions),
                 inBand(date(Entries::additionHeading(Entries::UseDate)), additions),
                 inBand(money(Entries::additionHeading(Entries::Purchase)), additions),
                 inBand(money(Entries::additionHeading(Entries::Cenvat)), additions),
                 inBand(money(Entries::additionHeading(Entries::Exchange)), additions),
                 inBand(money(Entries::additionHeading(Entries::Subsidy)), additions),
                 inBand(date(Entries::SaleDateEtc), deductions),
                 inBand(money(QStringLiteral("Amount of deduction")), deductions),
                 inBand(yesNo(Entries::deductionHeading(Entries::OutOfLess180)), deductions),
                 money(Entries::blockHeading(Clause18::OtherAdjustments)),
                 money(Entries::blockHeading(Clause18::DepreciationAllowable)),
                 yesNo(Entries::blockHeading(Clause18::BlockNil))};
    return l;
}

QList<QStringList> sheetRows(const QList<QStringList> &blockRows)
{
    QList<QStringList> out;
    if (blockRows.isEmpty()) {
        for (const DepreciationBlock &block : DepreciationBlocks::all())
            out << QStringList{block.description};
        return out;
    }
    for (const QStringList &row : blockRows) {
        out << QStringList{row.value(Clause18::Description)};
        QStringList figures(SheetColumnCount);
        figures[Particulars] = DepreciationEntries::blockHeading(Clause18::OpeningWdv);
        figures[Opening] = row.value(Clause18::OpeningWdv);
        figures[Adjustment115BAC] = row.value(Clause18::Adjustment115BAC);
        figures[AdjustmentIntangible] = row.value(Clause18::AdjustmentIntangible);
        figures[OtherAdjustments] = row.value(Clause18::OtherAdjustments);
        figures[Depreciation] = row.value(Clause18::DepreciationAllowable);
        const QString nil = row.value(Clause18::BlockNil);
        figures[BlockNil] = Clause18::isBlockNil(row) ? Vocabulary::Yes
                            : nil.isEmpty()           ? QString()
                                                      : Vocabulary::No;
        out << figures;
        for (const AdditionEntry &a : Clause18Lists::parseAdditions(row.value(Clause18::AdditionsList))) {
            QStringList cells(SheetColumnCount);
            cells[Particulars] = QStringLiteral("Addition");
            cells[PurchaseDate] = a.purchaseDate;
            cells[UseDate] = a.useDate;
            cells[Purchase] = a.purchase;
            cells[Cenvat] = a.cenvat;
            cells[Exchange] = a.exchange;
            cells[Subsidy] = a.subsidy;
            out << cells;
        }
        for (const DeductionEntry &d : Clause18Lists::parseDeductions(row.value(Clause18::DeductionsList))) {
            QStringList cells(SheetColumnCount);
            cells[Particulars] = QStringLiteral("Deduction");
            cells[SaleDate] = d.saleDate;
            cells[SaleAmount] = d.amount;
            cells[OutOfLess180] = Vocabulary::spelt(d.outOfLess180);
            out << cells;
        }
    }
    return out;
}

QList<QStringList> blockRows(const QList<QStringList> &sheetRows, const QDate &cutOff)
{
    QList<QStringList> out;
    std::optional<Block> block;
    const auto close = [&] {
        if (block && block->hasAssets)
            out << finished(*block, cutOff);
    };
    for (const QStringList &cells : sheetRows) {
        const QString first = cells.value(Particulars).trimmed();
        if (first.isEmpty())
            break;
        if (const DepreciationBlock *known =
                DepreciationBlocks::byDescription(DepreciationBlocks::currentDescription(first))) {
            close();
            block.emplace();
            block->row[Clause18::Description] = known->description;
            block->row[Clause18::Rate] = known->rate;
        } else if (block) {
            addAsset(*block, cells, cutOff);
        }
    }
    close();
    return out;
}

} // namespace Clause18Workbook
