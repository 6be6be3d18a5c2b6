#include "StoredValues.h"

#include "catalogue/ClauseCatalogue.h"
#include "efiling/json/JsonValue.h"

#include <QRegularExpression>

namespace StoredValues
{

QString text(const JsonValue &value)
{
    if (value.isBoolean())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.text();
}

QString date(const QString &efiling)
{
    static const QRegularExpression isoDate(QStringLiteral("\\A\\d{4}-\\d{2}-\\d{2}\\z"));
    const QString d = efiling.trimmed();
    if (!isoDate.match(d).hasMatch())
        return d;
    return d.right(2) + u'/' + d.mid(5, 2) + u'/' + d.left(4);
}

QString textOfCode(const ClauseCatalogue &catalogue, const QString &table, const QString &code,
                   const QStringList &preferred)
{
    const QString c = code.trimmed();
    if (c.isEmpty())
        return {};
    for (const Catalogue::CodeEntry &e : catalogue.codeTable(table)) {
        // A file in an earlier layout of the department's spells some codes the old way.
        if (e.code != c && !e.earlierCodes.contains(c))
            continue;
        for (const QString &spelling : QStringList{e.text} + e.aliases) {
            if (preferred.contains(spelling))
                return spelling;
        }
        return e.text;
    }
    return c;
}

} // namespace StoredValues
