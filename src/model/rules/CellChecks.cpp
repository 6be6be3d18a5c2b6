#include "CellChecks.h"

#include "base/DateService.h"
#include "base/IdentityChecks.h"
#include "catalogue/Vocabulary.h"
#include "model/ListSources.h"
#include "model/ReportModel.h"

#include <QRegularExpression>

namespace CellChecks
{

namespace
{
QString notValid(const QString &what, const QString &value)
{
    return QStringLiteral("Not a Valid ") + what + QStringLiteral(" [") + value + QStringLiteral("]");
}

bool isAmount(const QString &value, bool withSign)
{
    static const QRegularExpression plain(QStringLiteral("\\A[0-9]*\\.?[0-9]*\\z"));
    static const QRegularExpression signedAmount(QStringLiteral("\\A-?[0-9]*\\.?[0-9]*\\z"));
    const QRegularExpression &pattern = withSign ? signedAmount : plain;
    return value != QLatin1String(".") && value != QLatin1String("-") && pattern.match(value).hasMatch();
}
} // namespace

QString normalised(const Catalogue::Column &column, const QString &typed)
{
    const QString text = typed.trimmed();
    const QString &check = column.check;
    if ((check == QLatin1String("pan") || check == QLatin1String("tan")) && !Vocabulary::isMarker(text))
        return text.toUpper();
    return text;
}

QString message(const Catalogue::Column &column, const QString &value)
{
    const QString text = value.trimmed();
    if (text.isEmpty() || Vocabulary::isMarker(text))
        return {};
    const QString &check = column.check;
    if (check == QLatin1String("pan"))
        return IdentityChecks::ValidPan(text) ? QString() : notValid(QStringLiteral("PAN"), text);
    if (check == QLatin1String("aadhaar"))
        return IdentityChecks::ValidAadhaar(text) ? QString() : notValid(QStringLiteral("Aadhaar"), text);
    if (check == QLatin1String("tan"))
        return IdentityChecks::ValidTan(text) ? QString() : notValid(QStringLiteral("TAN"), text);
    switch (column.kind) {
    case Catalogue::Kind::Date:
        return DateService::isDate(text) && DateService::ConvertDate(text) == text
                   ? QString()
                   : notValid(QStringLiteral("Date"), text) + QStringLiteral(": enter it as DD/MM/YYYY");
    case Catalogue::Kind::Amount:
        return isAmount(text, column.signedAmount) ? QString() : notValid(QStringLiteral("Amount"), text);
    case Catalogue::Kind::Whole:
        return isAmount(text, column.signedAmount) && !text.contains(u'.')
                   ? QString()
                   : notValid(QStringLiteral("Whole Number"), text);
    case Catalogue::Kind::Text:
    case Catalogue::Kind::List:
    case Catalogue::Kind::Tick:
        break;
    }
    return {};
}

QString listMessage(const Catalogue::Column &column, const QString &value, ListSources &lists,
                    const QString &dependsOnValue)
{
    const QString text = value.trimmed();
    if (column.kind != Catalogue::Kind::List || text.isEmpty() || Vocabulary::isMarker(text) ||
        column.editable || lists.isEditable(column.list))
        return {};
    if (lists.holds(column.list, text, dependsOnValue))
        return {};
    return notValid(column.heading, text) + QStringLiteral(": choose it from the list");
}

std::optional<Finding> firstBadCell(const QList<Catalogue::Column> &columns, const QList<QStringList> &rows,
                                    ListSources *lists)
{
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList &cells = rows.at(r);
        for (int c = 0; c < columns.size(); ++c) {
            const Catalogue::Column &column = columns.at(c);
            if (column.computed || column.hidden)
                continue;
            QString text = message(column, cells.value(c));
            if (text.isEmpty() && lists)
                text = listMessage(column, cells.value(c), *lists,
                                   column.dependsOn > 0 ? cells.value(column.dependsOn - 1) : QString());
            if (!text.isEmpty())
                return Finding{r, c, text};
        }
    }
    return std::nullopt;
}

std::optional<Finding> firstBadCell(const ReportModel &report, int page, const QString &point,
                                    const QList<Catalogue::Column> &columns, ListSources *lists)
{
    QList<QStringList> rows;
    for (const ReportModel::Row &row : report.rows(page, point, report.formNameForPage(page)))
        rows << row.cols;
    return firstBadCell(columns, rows, lists);
}

} // namespace CellChecks
