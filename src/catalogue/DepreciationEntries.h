#pragma once

#include "ClauseCatalogue.h"

#include <QList>
#include <QString>

// The entries behind a clause 18 block: its additions and deductions, each a list of fields
// kept in one cell of the block's row in this order. The page's lists, the annexure files,
// the workbook and the printed chart take their captions from here.
namespace DepreciationEntries
{

enum AdditionField { PurchaseDate, UseDate, Purchase, Cenvat, Exchange, Subsidy, Total };
enum DeductionField { SaleDate, Amount, OutOfLess180 };

// The columns of the additions list: the total is computed; exchange differences and
// subsidies carry their sign.
const QList<Catalogue::Column> &additionColumns();
const QList<Catalogue::Column> &deductionColumns();

QString additionHeading(AdditionField field);
QString deductionHeading(DeductionField field);

// The date of a deduction where a register lists sales, discards and the like together.
inline const QString SaleDateEtc = QStringLiteral("Date of sale etc.");

// The heading of a column of the clause 18 block grid, by its place in the row.
QString blockHeading(int column);

} // namespace DepreciationEntries
