#include "AmountText.h"

#include <QRegularExpression>

namespace AmountText
{

bool isKept(QStringView t)
{
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    qsizetype i = t.startsWith(u'-') ? 1 : 0;
    const qsizetype wholeStart = i;
    while (i < t.size() && digit(t[i]))
        ++i;
    if (i == wholeStart)
        return false;
    if (i < t.size() && t[i] == u'.') {
        ++i;
        while (i < t.size() && digit(t[i]))
            ++i;
    }
    return i == t.size();
}

std::optional<QString> stored(const QString &typed)
{
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return QString();
    // Most amounts are kept bare already ("-1200.50"): they stand as they are, without the
    // pattern match, which would cost more than writing the amount into a file.
    if (isKept(t))
        return t;
    // Plain digits, or groups of two digits before the last three (Indian grouping), or groups
    // of three (international grouping); a sign in front and decimals after either.
    static const QRegularExpression amount(
        QStringLiteral("\\A([+-]?)(\\d+|\\d{1,2}(?:,\\d{2})*,\\d{3}|\\d{1,3}(?:,\\d{3})+)?(\\.\\d*)?\\z"));
    const QRegularExpressionMatch m = amount.match(t);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).size() < 2))
        return std::nullopt;
    QString kept = m.captured(2);
    kept.remove(u',');
    const QString sign = m.captured(1) == QLatin1String("-") ? QStringLiteral("-") : QString();
    return sign + (kept.isEmpty() ? QStringLiteral("0") : kept) + m.captured(3);
}

} // namespace AmountText
