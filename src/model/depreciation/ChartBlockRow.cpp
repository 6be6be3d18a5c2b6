#include "ChartBlockRow.h"

#include "Clause18Row.h"
#include "DepreciationCutOff.h"
#include "base/DateService.h"
#include "catalogue/Vocabulary.h"
#include "host/HostAccounts.h"
#include "model/amounts/Amounts.h"

namespace ChartBlockRow
{

using namespace Clause18;

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
    row[BlockNil] = Vocabulary::FalseWord;
    applyAdditions(row, block.additions, cutOff);
    applyDeductions(row, block.deductions);
    if (withDepreciation) {
        row[DepreciationAllowable] =
            depreciationText(depreciationAtRate(row, block.rate) + block.additionalDepreciation, wholeRupees);
        recompute(row);
    }
    return row;
}

bool depreciationInWholeRupees()
{
    return HostAccounts::GetMiscOthInf(QStringLiteral("SEPDEP")).trimmed() == QLatin1String("1");
}

} // namespace ChartBlockRow
