#include "DepreciationReminder.h"

#include "DepreciationImports.h"
#include "catalogue/DepreciationPoints.h"
#include "catalogue/Vocabulary.h"
#include "store/ClauseStore.h"
#include "store/DbError.h"

namespace DepreciationReminder
{

QString message(bool blockWise)
{
    try {
        const auto na =
            ClauseStore::readPoint(DepreciationPoints::Page, DepreciationPoints::NotApplicable, false);
        if (!na.isEmpty() && Vocabulary::isTicked(na.first().col(1)))
            return {};
        for (const ClauseStore::ClauseRow &row :
             ClauseStore::readPoint(DepreciationPoints::Page, DepreciationPoints::Blocks, false)) {
            if (!row.col(1).trimmed().isEmpty())
                return {};
        }
        const DepreciationImports::Result chart = blockWise ? DepreciationImports::fromBlockChart(false)
                                                            : DepreciationImports::fromAssetChart(false);
        if (chart.rows.isEmpty())
            return {};
        return QStringLiteral(
                   "Clause 18 on page 7 has no block of assets yet, while the depreciation chart of "
                   "the client has %1 for the year. Use the Import button of clause 18 to bring "
                   "them in.")
            .arg(chart.rows.size() == 1 ? QStringLiteral("one block")
                                        : QStringLiteral("%1 blocks").arg(chart.rows.size()));
    } catch (const DbError &) {
        // A client without a chart, or a database without the chart's tables: nothing to remind of.
        return {};
    }
}

} // namespace DepreciationReminder
