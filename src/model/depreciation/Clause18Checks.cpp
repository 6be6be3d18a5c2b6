#include "Clause18Checks.h"

#include "Clause18Lists.h"
#include "Clause18Row.h"
#include "DepreciationCutOff.h"
#include "base/DateService.h"
#include "catalogue/Vocabulary.h"
#include "model/amounts/Amounts.h"

#include <cmath>

namespace Clause18Checks
{

namespace
{

using namespace Clause18;

bool isBlockRow(const QStringList &row)
{
    const QString first = row.value(Description);
    return !first.trimmed().isEmpty() && !Vocabulary::isMarker(first);
}

// Compares as shown: to the paisa.
bool same(const QString &cellText, double listTotal)
{
    return std::abs(Amounts::value(cellText) - listTotal) < 0.005;
}

// Recomputes the totals from the lists into a copy and compares the total columns.
std::optional<Finding> checkTotals(const QStringList &row, int r, const QDate &cutOff)
{
    QStringList fromLists = row;
    applyAdditions(fromLists, Clause18Lists::parseAdditions(row.value(AdditionsList)), cutOff);
    for (int c = PurchaseValue; c <= Additions180OrMore; ++c) {
        if (!same(row.value(c), Amounts::value(fromLists.at(c))))
            return Finding{
                QStringLiteral("Additions Totals of [%1] are not matched.").arg(row.value(Description)), r,
                c};
    }
    applyDeductions(fromLists, Clause18Lists::parseDeductions(row.value(DeductionsList)));
    for (int c = TotalDeductions; c <= DeductionsOutOfLess180; ++c) {
        if (!same(row.value(c), Amounts::value(fromLists.at(c))))
            return Finding{
                QStringLiteral("Deductions Totals of [%1] are not matched.").arg(row.value(Description)), r,
                c};
    }
    return std::nullopt;
}

bool withinYear(const QString &date, const QDate &from, const QDate &to)
{
    const QDate d = DateService::parse(date);
    return d.isValid() && d >= from && d <= to;
}

} // namespace

std::optional<Finding> check(const QList<QStringList> &rows, const QString &firstDate,
                             const QString &secondDate)
{
    const QDate from = DateService::parse(firstDate);
    const QDate to = DateService::parse(secondDate);
    const QDate cutOff = DepreciationCutOff::cutOff(secondDate);
    const QString yearSpan =
        QStringLiteral("'01/04/%1'. and less than or equals to '31/03/%2'").arg(from.year()).arg(to.year());

    for (int r = 0; r < rows.size(); ++r) {
        if (!isBlockRow(rows.at(r)))
            continue;
        if (auto finding = checkTotals(rows.at(r), r, cutOff))
            return finding;
    }
    for (int r = 0; r < rows.size(); ++r) {
        if (!isBlockRow(rows.at(r)))
            continue;
        for (const AdditionEntry &e : Clause18Lists::parseAdditions(rows.at(r).value(AdditionsList))) {
            if (!withinYear(e.useDate, from, to))
                return Finding{QStringLiteral("Date of put to use should be greater than or equals to ") +
                                   yearSpan,
                               r, AdditionsList};
        }
        for (const DeductionEntry &e : Clause18Lists::parseDeductions(rows.at(r).value(DeductionsList))) {
            if (!withinYear(e.saleDate, from, to))
                return Finding{QStringLiteral("Date of sale etc. should be greater than or equals to ") +
                                   yearSpan,
                               r, DeductionsList};
        }
    }
    for (int r = 0; r < rows.size(); ++r) {
        if (!isBlockRow(rows.at(r)))
            continue;
        if (Amounts::value(rows.at(r).value(OtherAdjustments)) >
            Amounts::value(rows.at(r).value(DepreciationAllowable)) + 0.005)
            return Finding{
                QStringLiteral("Other adjustment should be less than or equals to Depreciation allowable."),
                r, OtherAdjustments};
    }
    return std::nullopt;
}

} // namespace Clause18Checks
