#include "Clause18Row.h"

#include "DepreciationCutOff.h"
#include "base/DateService.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/DepreciationPoints.h"
#include "catalogue/Vocabulary.h"
#include "model/amounts/Amounts.h"

#include <stdexcept>
#include <string>

namespace Clause18
{

namespace
{

const int kPage = DepreciationPoints::Page;
const QString &kPoint = DepreciationPoints::Blocks;

double cell(const QStringList &row, int column)
{
    return Amounts::value(row.value(column));
}

} // namespace

int RowIndex::of(const char *key)
{
    const int index = ClauseCatalogue::instance().columnIndex(kPage, kPoint, QLatin1String(key));
    if (index < 0)
        throw std::logic_error(std::string("The catalogue's grid 18 has no column ") + key + '.');
    return index;
}

int columnCount()
{
    static const int count = [] {
        const Catalogue::Control *grid = ClauseCatalogue::instance().controlOf(kPage, kPoint);
        return grid ? int(grid->columns.size()) : 0;
    }();
    return count;
}

QStringList emptyRow()
{
    return QStringList(columnCount());
}

bool isBlockNil(const QStringList &row)
{
    const QString tick = row.value(BlockNil);
    return Vocabulary::isTicked(tick) || tick.trimmed() == QLatin1String("-1");
}

bool isTypedAmountColumn(int column)
{
    return column == Adjustment115BAC || column == AdjustmentIntangible || column == OtherAdjustments ||
           column == DepreciationAllowable;
}

QString plainNumber(const QString &text)
{
    return text.trimmed().isEmpty() ? QString() : Amounts::format2(Amounts::value(text));
}

void applyAdditions(QStringList &row, const QList<AdditionEntry> &entries, const QDate &cutOff)
{
    double purchase = 0, cenvat = 0, exchange = 0, subsidy = 0, total = 0, less180 = 0, more180 = 0;
    for (const AdditionEntry &e : entries) {
        purchase += Amounts::value(e.purchase);
        cenvat += Amounts::value(e.cenvat);
        exchange += Amounts::value(e.exchange);
        subsidy += Amounts::value(e.subsidy);
        const double value = Amounts::value(e.total);
        total += value;
        if (DepreciationCutOff::lessThan180Days(DateService::parse(e.useDate), cutOff))
            less180 += value;
        else
            more180 += value;
    }
    row[PurchaseValue] = Amounts::format2(purchase);
    row[Cenvat] = Amounts::format2(cenvat);
    row[ExchangeChange] = Amounts::format2(exchange);
    row[Subsidy] = Amounts::format2(subsidy);
    row[TotalAdditions] = Amounts::format2(total);
    row[AdditionsLess180] = Amounts::format2(less180);
    row[Additions180OrMore] = Amounts::format2(more180);
    row[AdditionsList] = Clause18Lists::serialise(entries);
    recompute(row);
}

void applyDeductions(QStringList &row, const QList<DeductionEntry> &entries)
{
    double total = 0, outOfLess180 = 0;
    for (const DeductionEntry &e : entries) {
        const double amount = Amounts::value(e.amount);
        total += amount;
        if (e.outOfLess180)
            outOfLess180 += amount;
    }
    row[TotalDeductions] = Amounts::format2(total);
    row[DeductionsNotOutOfLess180] = Amounts::format2(total - outOfLess180);
    row[DeductionsOutOfLess180] = Amounts::format2(outOfLess180);
    row[DeductionsList] = Clause18Lists::serialise(entries);
    recompute(row);
}

void recompute(QStringList &row)
{
    while (row.size() < columnCount())
        row << QString();
    if (isBlockNil(row)) {
        row[ClosingWdv] = QStringLiteral("0");
        return;
    }
    const double adjusted =
        cell(row, OpeningWdv) + cell(row, Adjustment115BAC) + cell(row, AdjustmentIntangible);
    row[AdjustedWdv] = Amounts::format2(adjusted);
    const double closing =
        adjusted + cell(row, TotalAdditions) - cell(row, TotalDeductions) - cell(row, DepreciationAllowable);
    row[ClosingWdv] = closing < 0 ? QStringLiteral("0") : Amounts::format2(closing);
}

double rateOf(const QStringList &row)
{
    return Amounts::value(row.value(Rate));
}

double depreciationAtRate(const QStringList &row, double rate)
{
    double fullBase =
        cell(row, AdjustedWdv) + cell(row, Additions180OrMore) - cell(row, DeductionsNotOutOfLess180);
    double halfBase = cell(row, AdditionsLess180) - cell(row, DeductionsOutOfLess180);
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

QString depreciationText(double depreciation, bool wholeRupees)
{
    return wholeRupees ? Amounts::format0(depreciation) : Amounts::format2(depreciation);
}

void followRate(QStringList &row, const QStringList &before, bool wholeRupees)
{
    recompute(row);
    const double rate = rateOf(row);
    if (isBlockNil(row) || rate <= 0)
        return;
    const QString typed = row.value(DepreciationAllowable).trimmed();
    if (!typed.isEmpty()) {
        QStringList earlier = before;
        while (earlier.size() < columnCount())
            earlier << QString();
        recompute(earlier);
        const double gaveBefore =
            Amounts::value(depreciationText(depreciationAtRate(earlier, rateOf(earlier)), wholeRupees));
        if (Amounts::format2(Amounts::value(typed)) != Amounts::format2(gaveBefore))
            return;
    }
    row[DepreciationAllowable] = depreciationText(depreciationAtRate(row, rate), wholeRupees);
    recompute(row);
}

} // namespace Clause18
