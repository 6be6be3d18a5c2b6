#include "ChartBlockRow.h"

#include "Clause18Row.h"
#include "DepreciationCutOff.h"
#include "base/DateService.h"
#include "host/HostAccounts.h"
#include "model/amounts/Amounts.h"

namespace ChartBlockRow
{

using namespace Clause18;

double normalDepreciation(const QStringList &row, double rate)
{
    auto cell = [&row](int c) { return Amounts::value(row.value(c)); };
    double fullBase = cell(AdjustedWdv) + cell(Additions180OrMore) - cell(DeductionsNotOutOfLess180);
    double halfBase = cell(AdditionsLess180) - cell(DeductionsOutOfLess180);
    if (fullBase < 0) {
        halfBase += fullBase;
        fullBase = 0;
    }
    double depreciation = 0;
    if (fullBase > 0)
        depreciation += fullBase * rate / 100;
    if (halfBase > 0)
        depreciation += halfBase * (rate / 2) / 100;
    return depreciation;
}

double additionalDepreciation(const AdditionEntry &entry, double rate, const QDate &cutOff)
{
    const double base = Amounts::value(entry.total);
    if (base <= 0 || rate <= 0)
        return 0;
    const bool half = DepreciationCutOff::lessThan180Days(DateService::parse(entry.useDate), cutOff);
    return base * (half ? rate / 2 : rate) / 100;
}

QStringList build(const ChartBlock &block, const QDate &cutOff, bool withDepreciation, bool wholeRupees)
{
    QStringList row = emptyRow();
    row[Description] = block.block->description;
    row[Rate] = block.block->rate;
    row[OpeningWdv] = Amounts::format2(block.opening);
    row[Adjustment115BAC] = Amounts::format2(0);
    row[AdjustmentIntangible] = Amounts::format2(0);
    row[OtherAdjustments] = Amounts::format2(0);
    row[BlockNil] = QStringLiteral("False");
    applyAdditions(row, block.additions, cutOff);
    applyDeductions(row, block.deductions);
    if (withDepreciation) {
        const double depreciation = normalDepreciation(row, block.rate) + block.additionalDepreciation;
        row[DepreciationAllowable] =
            wholeRupees ? Amounts::format0(depreciation) : Amounts::format2(depreciation);
        recompute(row);
    }
    return row;
}

bool depreciationInWholeRupees()
{
    return HostAccounts::GetMiscOthInf(QStringLiteral("SEPDEP")).trimmed() == QLatin1String("1");
}

} // namespace ChartBlockRow
