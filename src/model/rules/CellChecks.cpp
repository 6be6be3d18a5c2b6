#include "CellChecks.h"

#include "AmountText.h"
#include "base/DateService.h"
#include "base/IdentityChecks.h"
#include "catalogue/CellFormat.h"
#include "catalogue/Vocabulary.h"
#include "model/ListSources.h"
#include "model/ReportModel.h"

namespace CellChecks
{

namespace
{
QString notValid(const QString &what, const QString &value)
{
    return QStringLiteral("Not a Valid ") + what + QStringLiteral(" [") + value + QStringLiteral("]");
}

// Digits with at most one point, after a minus sign where one is allowed; not "." or "-"
// alone. Checked by hand: a grid of thousands of rows checks every amount at each save.
bool isAmount(const QString &value, bool withSign)
{
    if (value == QLatin1String(".") || value == QLatin1String("-"))
        return false;
    bool point = false;
    for (qsizetype i = withSign && value.startsWith(u'-') ? 1 : 0; i < value.size(); ++i) {
        const char16_t c = value.at(i).unicode();
        if (c == u'.' && !point)
            point = true;
        else if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// Whether the column's values must be among its list's entries.
bool isListChecked(const Catalogue::Column &column, ListSources &lists)
{
    return column.kind == Catalogue::Kind::List && !column.editable && !lists.isEditable(column.list);
}

QString listEntryMessage(const Catalogue::Column &column, const QString &value, ListSources &lists,
                         const QString &dependsOnValue)
{
    const QString text = value.trimmed();
    if (text.isEmpty() || Vocabulary::isMarker(text) || lists.holds(column.list, text, dependsOnValue))
        return {};
    return notValid(column.heading, text) + QStringLiteral(": choose it from the list");
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

QString kept(const Catalogue::Column &column, const QString &typed)
{
    QString text = normalised(column, typed);
    if (column.kind == Catalogue::Kind::Amount || column.kind == Catalogue::Kind::Whole)
        text = AmountText::stored(text).value_or(text);
    // A whole number with a fraction stays as typed for its check to refuse: rounded, it
    // would be another figure, kept without a word.
    if (column.kind == Catalogue::Kind::Whole && text.contains(u'.'))
        return text;
    return CellFormat::format(column.kind, text);
}

QString placed(const QString &message, const QString &label, int row, const QString &heading)
{
    QString place = QStringLiteral(" in clause ") + label;
    if (row >= 0)
        place += QStringLiteral(", row ") + QString::number(row + 1);
    if (!heading.isEmpty())
        place += QStringLiteral(" (") + heading + u')';
    return message + place;
}

QString message(const Catalogue::Column &column, const QString &value)
{
    // Text, list and tick cells without a check of their own take any value: a grid of
    // thousands of rows asks for each of their cells at every save.
    const bool anyValue = column.kind == Catalogue::Kind::Text || column.kind == Catalogue::Kind::List ||
                          column.kind == Catalogue::Kind::Tick;
    if (anyValue && column.check.isEmpty())
        return {};
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
    case Catalogue::Kind::Whole: {
        const QString what = column.kind == Catalogue::Kind::Amount ? QStringLiteral("Amount")
                                                                    : QStringLiteral("Whole Number");
        // A minus sign the form does not take is named, not dropped: the figure typed was not
        // the figure that would be kept.
        if (!column.signedAmount && text.startsWith(u'-') && isAmount(text, true))
            return notValid(what, text) + QStringLiteral(": this amount cannot be negative");
        const bool whole = column.kind == Catalogue::Kind::Amount || !text.contains(u'.');
        return isAmount(text, column.signedAmount) && whole ? QString() : notValid(what, text);
    }
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
    return isListChecked(column, lists) ? listEntryMessage(column, value, lists, dependsOnValue) : QString();
}

std::optional<Finding> firstBadCell(const QList<Catalogue::Column> &columns, const QList<QStringList> &rows,
                                    ListSources *lists)
{
    // Whether a column's list is checked is asked once, not for every row.
    QList<bool> listChecked(columns.size(), false);
    for (int c = 0; c < columns.size() && lists; ++c)
        listChecked[c] = isListChecked(columns.at(c), *lists);
    // The value each column last passed with (and the value its list depends on): the same
    // value in the rows below, as list choices mostly are, passes without another check.
    QList<QPair<QString, QString>> passed(columns.size());
    QList<bool> anyPassed(columns.size(), false);
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList &cells = rows.at(r);
        for (int c = 0; c < columns.size(); ++c) {
            const Catalogue::Column &column = columns.at(c);
            if (column.computed || column.hidden)
                continue;
            const QString value = cells.value(c);
            const QString dependsOnValue =
                column.dependsOn > 0 ? cells.value(column.dependsOn - 1) : QString();
            if (anyPassed.at(c) && passed.at(c).first == value && passed.at(c).second == dependsOnValue)
                continue;
            QString text = message(column, value);
            if (text.isEmpty() && listChecked.at(c))
                text = listEntryMessage(column, value, *lists, dependsOnValue);
            if (!text.isEmpty())
                return Finding{r, c, text};
            passed[c] = {value, dependsOnValue};
            anyPassed[c] = true;
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
