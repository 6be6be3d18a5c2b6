#include "ChartBlockRow.h"
#include "DepreciationCutOff.h"
#include "DepreciationImports.h"
#include "base/DateService.h"
#include "host/AssetWiseChart.h"
#include "host/HostContext.h"
#include "model/amounts/Amounts.h"

#include <cmath>

namespace DepreciationImports
{

namespace
{

// The clause 18 block of an asset class and income-tax rate of the asset-wise chart;
// land and rates without a block give none.
const DepreciationBlock *blockOf(const QString &assetClass, double rate)
{
    struct Mapping {
        const char *assetClass;
        double rate;
        int blockId;
    };
    static const Mapping mappings[] = {
        {"BUILDING", 5, 8},
        {"BUILDING", 10, 9},
        {"BUILDING", 40, 47},
        {"BUILDING", 100, 10},
        {"FURNITURE AND FITTINGS", 10, 11},
        {"MACHINERY AND PLANT", 15, 1},
        {"MACHINERY AND PLANT", 30, 2},
        {"MACHINERY AND PLANT", 40, 3},
        {"MACHINERY AND PLANT", 45, 48},
        {"MACHINERY AND PLANT", 50, 4},
        {"MACHINERY AND PLANT", 60, 5},
        {"MACHINERY AND PLANT", 80, 6},
        {"MACHINERY AND PLANT", 100, 7},
        {"INTANGIBLE ASSETS", 25, 12},
        {"SHIPS", 20, 13},
    };
    for (const Mapping &m : mappings) {
        if (assetClass.trimmed().compare(QLatin1String(m.assetClass), Qt::CaseInsensitive) == 0 &&
            std::abs(rate - m.rate) < 0.001)
            return DepreciationBlocks::byId(m.blockId);
    }
    return nullptr;
}

ChartBlock chartBlockOf(const AssetWiseChart::Block &b, const DepreciationBlock *block, const QDate &cutOff)
{
    ChartBlock out{block, b.rate, b.opening, {}, {}, 0};
    for (const AssetWiseChart::Addition &a : b.additions) {
        AdditionEntry e{a.purchaseDate,
                        a.useDate,
                        Amounts::format2(a.cost),
                        Amounts::format2(a.cenvat),
                        Amounts::format2(a.exchange),
                        Amounts::format2(a.subsidy),
                        QString()};
        e.total = Clause18Lists::totalOf(e);
        out.additionalDepreciation += ChartBlockRow::additionalDepreciation(e, a.additionalRate, cutOff);
        out.additions << e;
    }
    for (const AssetWiseChart::Sale &s : b.sales) {
        out.deductions << DeductionEntry{
            s.saleDate, Amounts::format2(s.amount),
            DepreciationCutOff::lessThan180Days(DateService::parse(s.useDateIfBoughtInYear), cutOff)};
    }
    return out;
}

} // namespace

Result fromAssetChart(bool withDepreciation, bool allowAdditional)
{
    HostContext &h = host();
    const QDate cutOff = DepreciationCutOff::importCutOff(h.FirstDate(), h.SecondDate());
    const bool wholeRupees = ChartBlockRow::depreciationInWholeRupees();
    Result result;
    for (const AssetWiseChart::Block &b :
         AssetWiseChart::prepareItList(h.Temp_Code(), h.yearKey(), h.FirstDate(), h.SecondDate())) {
        const DepreciationBlock *block = blockOf(b.assetClass, b.rate);
        if (!block)
            continue;
        ChartBlock chartBlock = chartBlockOf(b, block, cutOff);
        if (!allowAdditional)
            chartBlock.additionalDepreciation = 0;
        result.rows << ChartBlockRow::build(chartBlock, cutOff, withDepreciation, wholeRupees);
    }
    if (result.rows.isEmpty())
        result.messages << QStringLiteral("No Asset in Depreciation Chart as per Income-Tax !");
    return result;
}

} // namespace DepreciationImports
