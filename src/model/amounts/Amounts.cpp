#include "Amounts.h"

#include <QRegularExpression>
#include <cmath>

namespace Amounts
{

namespace
{

QString compact(const QString &text)
{
    QString t = text;
    t.remove(u',');
    t.remove(u' ');
    return t;
}

// Adds a small nudge so that halves stored inexactly (2.675) still round up.
double roundTo(double amount, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double nudge = amount >= 0 ? 1e-7 : -1e-7;
    const double rounded = std::round(amount * scale + nudge) / scale;
    return rounded == 0 ? 0.0 : rounded; // no "-0.00"
}

} // namespace

double value(const QString &text)
{
    static const QRegularExpression leading(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const auto m = leading.match(compact(text));
    return m.hasMatch() ? m.captured(0).toDouble() : 0.0;
}

bool isNumber(const QString &text)
{
    static const QRegularExpression whole(QStringLiteral("\\A[+-]?(\\d+\\.?\\d*|\\.\\d+)\\z"));
    return whole.match(compact(text)).hasMatch();
}

QString format2(double amount)
{
    return QString::number(roundTo(amount, 2), 'f', 2);
}

QString format0(double amount)
{
    return QString::number(roundTo(amount, 0), 'f', 0);
}

QString wholeRupees(const QString &text)
{
    return isNumber(text) ? format0(value(text)) : text;
}

} // namespace Amounts
