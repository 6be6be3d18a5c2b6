#include "DepreciationRules.h"

#include "catalogue/CellFormat.h"
#include "catalogue/DepreciationBlocks.h"
#include "catalogue/DepreciationPoints.h"
#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"
#include "model/depreciation/Clause18Row.h"

#include <algorithm>

namespace DepreciationRules
{

namespace
{
const int kPage = DepreciationPoints::Page;
const QString &kPoint = DepreciationPoints::Blocks;
} // namespace

bool isBlockRow(const QStringList &cells)
{
    const bool empty =
        std::all_of(cells.begin(), cells.end(), [](const QString &c) { return c.trimmed().isEmpty(); });
    return !empty && !Vocabulary::isMarker(cells.value(Clause18::Description));
}

void fixRow(QStringList &cells)
{
    while (cells.size() < Clause18::columnCount())
        cells << QString();
    cells[Clause18::Description] = DepreciationBlocks::currentDescription(cells.at(Clause18::Description));
    if (!isBlockRow(cells.mid(0, Clause18::columnCount())))
        return;
    for (int c = 0; c < Clause18::columnCount(); ++c) {
        if (Clause18::isTypedAmountColumn(c))
            cells[c] = Clause18::plainNumber(cells.at(c));
    }
    Clause18::recompute(cells);
}

void apply(ReportModel &model)
{
    const QString form = model.formNameForPage(kPage);
    const QList<ReportModel::Row> stored = model.rows(kPage, kPoint, form);
    if (stored.isEmpty())
        return;
    QList<QStringList> rows;
    bool changed = false;
    for (const ReportModel::Row &row : stored) {
        QStringList cells = row.cols;
        while (cells.size() < ReportModel::kSequenceColumn)
            cells << QString();
        QStringList values = cells.mid(0, Clause18::columnCount());
        fixRow(values);
        for (int c = 0; c < Clause18::columnCount(); ++c)
            cells[c] = values.at(c);
        changed = changed || cells != row.cols;
        rows << cells;
    }
    if (changed)
        model.setRows(kPage, kPoint, rows, form);
}

bool reads(int page, const QString &point)
{
    return page == kPage && point == kPoint;
}

} // namespace DepreciationRules
