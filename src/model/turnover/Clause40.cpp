#include "Clause40.h"

#include "model/amounts/Amounts.h"

namespace Clause40
{

namespace
{

bool both(const QString &a, const QString &b, const QString &word)
{
    return a.trimmed().compare(word, Qt::CaseInsensitive) == 0 &&
           b.trimmed().compare(word, Qt::CaseInsensitive) == 0;
}

} // namespace

const QList<Record> &records()
{
    // (e) keeps finished goods before material consumed, unlike (b) to (d).
    static const QList<Record> list{
        {QStringLiteral("40a"), {QStringLiteral("txt40a"), QStringLiteral("txt40ap")}},
        {QStringLiteral("40b"),
         {QStringLiteral("txt40bGP"), QStringLiteral("txt40bTO"), QStringLiteral("txt40b"),
          QStringLiteral("txt40bpGP"), QStringLiteral("txt40bpTO"), QStringLiteral("txt40bp")}},
        {QStringLiteral("40c"),
         {QStringLiteral("txt40cNP"), QStringLiteral("txt40cTO"), QStringLiteral("txt40c"),
          QStringLiteral("txt40cpNP"), QStringLiteral("txt40cpTO"), QStringLiteral("txt40cp")}},
        {QStringLiteral("40d"),
         {QStringLiteral("txt40dSIT"), QStringLiteral("txt40dTO"), QStringLiteral("txt40d"),
          QStringLiteral("txt40dpSIT"), QStringLiteral("txt40dpTO"), QStringLiteral("txt40dp")}},
        {QStringLiteral("40e"),
         {QStringLiteral("txt40eFGP"), QStringLiteral("txt40eMC"), QStringLiteral("txt40e"),
          QStringLiteral("txt40epFGP"), QStringLiteral("txt40epMC"), QStringLiteral("txt40ep")}},
    };
    return list;
}

const QList<Ratio> &ratios()
{
    static const QList<Ratio> list{
        {QStringLiteral("txt40b"), QStringLiteral("txt40bGP"), QStringLiteral("txt40bTO")},
        {QStringLiteral("txt40c"), QStringLiteral("txt40cNP"), QStringLiteral("txt40cTO")},
        {QStringLiteral("txt40d"), QStringLiteral("txt40dSIT"), QStringLiteral("txt40dTO")},
        {QStringLiteral("txt40e"), QStringLiteral("txt40eMC"), QStringLiteral("txt40eFGP")},
        {QStringLiteral("txt40bp"), QStringLiteral("txt40bpGP"), QStringLiteral("txt40bpTO")},
        {QStringLiteral("txt40cp"), QStringLiteral("txt40cpNP"), QStringLiteral("txt40cpTO")},
        {QStringLiteral("txt40dp"), QStringLiteral("txt40dpSIT"), QStringLiteral("txt40dpTO")},
        {QStringLiteral("txt40ep"), QStringLiteral("txt40epMC"), QStringLiteral("txt40epFGP")},
    };
    return list;
}

QString ratioOf(const QString &numerator, const QString &denominator)
{
    if (numerator.trimmed().isEmpty() && denominator.trimmed().isEmpty())
        return {};
    if (both(numerator, denominator, QStringLiteral("Nil")))
        return QStringLiteral("Nil");
    if (both(numerator, denominator, QStringLiteral("NA")))
        return QStringLiteral("NA");
    const double base = Amounts::value(denominator);
    if (!Amounts::isNumber(denominator) || base == 0)
        return QStringLiteral("0.00");
    return Amounts::format2(Amounts::value(numerator) / base * 100);
}

void recomputeRatios(Fields &fields)
{
    for (const Ratio &r : ratios())
        fields[r.ratio] = ratioOf(fields.value(r.numerator), fields.value(r.denominator));
}

bool isWholeRupees(const QString &text)
{
    const QString t = text.trimmed();
    return !Amounts::isNumber(t) || t == Amounts::format0(Amounts::value(t));
}

std::optional<Problem> firstDecimalAmount(const Fields &fields)
{
    static const QList<QPair<QString, QString>> order{
        {QStringLiteral("a"), QStringLiteral("turnover")},
        {QStringLiteral("bGP"), QStringLiteral("gross profit")},
        {QStringLiteral("bTO"), QStringLiteral("turnover")},
        {QStringLiteral("cNP"), QStringLiteral("net profit")},
        {QStringLiteral("cTO"), QStringLiteral("turnover")},
        {QStringLiteral("dSIT"), QStringLiteral("stack in trade")},
        {QStringLiteral("dTO"), QStringLiteral("turnover")},
        {QStringLiteral("eMC"), QStringLiteral("material consumed")},
        {QStringLiteral("eFGP"), QStringLiteral("finished goods")},
    };
    for (const QString &year : {QString(), QStringLiteral("p")}) {
        for (const auto &[suffix, what] : order) {
            // "a" + "p" is txt40ap; the others put the year mark after the item letter.
            const QString field = QStringLiteral("txt40") + suffix.left(1) + year + suffix.mid(1);
            if (!isWholeRupees(fields.value(field)))
                return Problem{field, QStringLiteral("Decimal not allowed in %1.").arg(what)};
        }
    }
    return std::nullopt;
}

const QList<Labelled> &completenessFields()
{
    static const QList<Labelled> list{
        {QStringLiteral("txt40a"), QStringLiteral("Total Turnover")},
        {QStringLiteral("txt40bGP"), QStringLiteral("Gross Profit")},
        {QStringLiteral("txt40cNP"), QStringLiteral("Net Profit")},
        {QStringLiteral("txt40dSIT"), QStringLiteral("Stock in Trade")},
        {QStringLiteral("txt40eFGP"), QStringLiteral("Finished Goods")},
        {QStringLiteral("txt40ap"), QStringLiteral("Total Turnover")},
        {QStringLiteral("txt40bpGP"), QStringLiteral("Gross Profit")},
        {QStringLiteral("txt40cpNP"), QStringLiteral("Net Profit")},
        {QStringLiteral("txt40dpSIT"), QStringLiteral("Stock in Trade)")},
        {QStringLiteral("txt40epFGP"), QStringLiteral("Finished Goods")},
    };
    return list;
}

} // namespace Clause40
