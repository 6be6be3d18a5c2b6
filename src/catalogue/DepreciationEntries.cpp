#include "DepreciationEntries.h"

#include "DepreciationPoints.h"

namespace DepreciationEntries
{

namespace
{

enum Role { Typed, Computed, Signed };

Catalogue::Column column(const char *key, const QString &heading, Catalogue::Kind kind, Role role = Typed,
                         const QString &hint = {})
{
    Catalogue::Column c;
    c.key = QLatin1String(key);
    c.heading = heading;
    c.kind = kind;
    c.hint = hint;
    c.computed = role == Computed;
    c.signedAmount = role == Signed;
    return c;
}

} // namespace

const QList<Catalogue::Column> &additionColumns()
{
    using Catalogue::Kind;
    static const QList<Catalogue::Column> columns{
        column("purchaseDate", QStringLiteral("Date of purchase"), Kind::Date, Typed,
               QStringLiteral("The date of purchase, as DD/MM/YYYY")),
        column(
            "useDate", QStringLiteral("Date put to use"), Kind::Date, Typed,
            QStringLiteral("The date the asset was first put to use, as DD/MM/YYYY; an asset put to use for "
                           "less than 180 days in the year gets half the rate")),
        column("purchase", QStringLiteral("Purchase value"), Kind::Amount, Typed,
               QStringLiteral("The cost of the asset in rupees")),
        column("cenvat", QStringLiteral("CENVAT"), Kind::Amount, Signed,
               QStringLiteral("The CENVAT credit adjusted in the cost; a minus sign for a reduction")),
        column("exchange", QStringLiteral("Change in rate of exchange"), Kind::Amount, Signed,
               QStringLiteral("The change in the cost by a change in the rate of exchange (section 43A); a "
                              "minus sign for a reduction")),
        column("subsidy", QStringLiteral("Subsidy or grant or reimbursement"), Kind::Amount, Signed,
               QStringLiteral("The subsidy, grant or reimbursement adjusted in the cost; a minus sign for a "
                              "reduction")),
        column("total", QStringLiteral("Total value"), Kind::Amount, Computed)};
    return columns;
}

const QList<Catalogue::Column> &deductionColumns()
{
    using Catalogue::Kind;
    static const QList<Catalogue::Column> columns{
        column("saleDate", QStringLiteral("Date of sale"), Kind::Date, Typed,
               QStringLiteral("The date of sale or discard, as DD/MM/YYYY")),
        column("amount", QStringLiteral("Amount"), Kind::Amount, Typed,
               QStringLiteral("The moneys payable for the asset sold, in rupees")),
        column("outOfLess180",
               QStringLiteral("Whether deletions are out of purchases put to use for less than 180 days"),
               Kind::Tick, Typed,
               QStringLiteral("Space ticks it when the asset sold came from this year's purchases put to use "
                              "for less than 180 days"))};
    return columns;
}

QString additionHeading(AdditionField field)
{
    return additionColumns().at(field).heading;
}

QString deductionHeading(DeductionField field)
{
    return deductionColumns().at(field).heading;
}

QString blockHeading(int column)
{
    const Catalogue::Control *grid = ClauseCatalogue::instance().controlOf(DepreciationPoints::Page, DepreciationPoints::Blocks);
    return grid ? grid->columns.value(column).heading : QString();
}

} // namespace DepreciationEntries
