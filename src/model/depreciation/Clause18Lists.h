#pragma once

#include <QList>
#include <QString>

// The additions and deductions of one clause 18 block, kept in the block's row as text:
// entries separated by "#R#", fields of an entry by "#C#".

// Fields in stored order; amounts as shown ("###0.00"), dates dd/mm/yyyy.
struct AdditionEntry {
    QString purchaseDate;
    QString useDate;
    QString purchase;
    QString cenvat;
    QString exchange;
    QString subsidy;
    QString total; // purchase + CENVAT + exchange-rate change + subsidy (entered with its sign)

    bool isEmpty() const;
};

struct DeductionEntry {
    QString saleDate;
    QString amount;
    bool outOfLess180 = false; // out of purchases put to use for less than 180 days; stored "1" or "0"

    bool isEmpty() const;
};

namespace Clause18Lists
{

QString serialise(const QList<AdditionEntry> &entries);
QString serialise(const QList<DeductionEntry> &entries);
// Empty entries are dropped.
QList<AdditionEntry> parseAdditions(const QString &text);
QList<DeductionEntry> parseDeductions(const QString &text);

// The total value of an addition from its four parts, "###0.00".
QString totalOf(const AdditionEntry &entry);

} // namespace Clause18Lists
