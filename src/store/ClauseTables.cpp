#include "ClauseTables.h"

#include "DbError.h"

#include <QRegularExpression>

namespace ClauseTables
{

bool isValidYearKey(const QString &yearKey)
{
    static const QRegularExpression fourDigits(QStringLiteral("\\A(19|20)[0-9]{2}\\z"));
    return fourDigits.match(yearKey).hasMatch();
}

void requireYearKey(const QString &yearKey)
{
    if (!isValidYearKey(yearKey))
        throw DbError(QStringLiteral("Not a financial year: [%1]").arg(yearKey));
}

QString clauseTableName(const QString &yearKey)
{
    requireYearKey(yearKey);
    return QStringLiteral("anx_j3cd_") + yearKey;
}

QString olderClauseTableName(const QString &yearKey)
{
    return QStringLiteral("annex_new_3cd_") + yearKey;
}

QString oldestClauseTableName(const QString &yearKey)
{
    return QStringLiteral("anx_3cd_") + yearKey;
}

QString deleteReportRows(const QString &table, const QString &andCondition)
{
    return QStringLiteral("DELETE FROM %1 WHERE ").arg(table) + kReportRows + andCondition;
}

int valueColumnCount(const QString &tableName)
{
    const QString t = tableName.toLower();
    if (t.startsWith(QLatin1String("anx_j3cd_")))
        return kForm3cdColumns;
    if (t == kForm3cebTable)
        return kForm3cebColumns;
    // The oldest Form 3CD table kept a grid row's number in its seventeenth column.
    if (t.startsWith(QLatin1String("anx_3cd_")))
        return 17;
    return 15;
}

} // namespace ClauseTables
