#include "Clause18Lists.h"

#include "catalogue/Vocabulary.h"
#include "model/amounts/Amounts.h"

#include <QStringList>

namespace
{
// The fields of an entry, padded to `count`.
QStringList padded(QStringList fields, int count)
{
    while (fields.size() < count)
        fields << QString();
    return fields;
}
} // namespace

bool AdditionEntry::isEmpty() const
{
    return purchaseDate.trimmed().isEmpty() && useDate.trimmed().isEmpty() && purchase.trimmed().isEmpty() &&
           cenvat.trimmed().isEmpty() && exchange.trimmed().isEmpty() && subsidy.trimmed().isEmpty() &&
           total.trimmed().isEmpty();
}

bool DeductionEntry::isEmpty() const
{
    return saleDate.trimmed().isEmpty() && amount.trimmed().isEmpty();
}

namespace Clause18Lists
{

QString serialise(const QList<AdditionEntry> &entries)
{
    QList<QStringList> out;
    for (const AdditionEntry &e : entries) {
        if (!e.isEmpty())
            out << QStringList{e.purchaseDate, e.useDate, e.purchase, e.cenvat,
                               e.exchange,     e.subsidy, e.total};
    }
    return Vocabulary::joinList(out);
}

QString serialise(const QList<DeductionEntry> &entries)
{
    QList<QStringList> out;
    for (const DeductionEntry &e : entries) {
        if (!e.isEmpty())
            out << QStringList{e.saleDate, e.amount,
                               e.outOfLess180 ? QStringLiteral("1") : QStringLiteral("0")};
    }
    return Vocabulary::joinList(out);
}

QList<AdditionEntry> parseAdditions(const QString &text)
{
    QList<AdditionEntry> entries;
    for (const QStringList &fields : Vocabulary::splitList(text)) {
        const QStringList f = padded(fields, 7);
        const AdditionEntry e{f[0], f[1], f[2], f[3], f[4], f[5], f[6]};
        if (!e.isEmpty())
            entries << e;
    }
    return entries;
}

QList<DeductionEntry> parseDeductions(const QString &text)
{
    QList<DeductionEntry> entries;
    for (const QStringList &fields : Vocabulary::splitList(text)) {
        const QStringList f = padded(fields, 3);
        // Older rows marked the tick "True" or "-1".
        const DeductionEntry e{f[0], f[1],
                               Vocabulary::isTicked(f[2]) || f[2].trimmed() == QLatin1String("-1")};
        if (!e.isEmpty())
            entries << e;
    }
    return entries;
}

QString totalOf(const AdditionEntry &entry)
{
    return Amounts::format2(Amounts::value(entry.purchase) + Amounts::value(entry.cenvat) +
                            Amounts::value(entry.exchange) + Amounts::value(entry.subsidy));
}

} // namespace Clause18Lists
