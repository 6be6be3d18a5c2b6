#include "CellFormat.h"

#include "base/DateService.h"

#include <cmath>

namespace CellFormat
{

QString format(Catalogue::Kind kind, const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return text;
    bool ok = false;
    switch (kind) {
    case Catalogue::Kind::Amount: {
        const double v = text.toDouble(&ok);
        return ok ? QString::number(v, 'f', 2) : text;
    }
    case Catalogue::Kind::Whole: {
        const double v = text.toDouble(&ok);
        return ok ? QString::number(std::llround(v)) : text;
    }
    case Catalogue::Kind::Date:
        return DateService::ConvertDate(text);
    default:
        return text;
    }
}

QString defaultHint(Catalogue::Kind kind)
{
    switch (kind) {
    case Catalogue::Kind::Date:
        return QStringLiteral("Enter the date as DD/MM/YYYY");
    case Catalogue::Kind::Amount:
        return QStringLiteral("Enter the amount in rupees (digits and a decimal point)");
    case Catalogue::Kind::Whole:
        return QStringLiteral("Enter a whole number");
    case Catalogue::Kind::List:
        return QStringLiteral("Choose from the list (F4 or Alt+Down opens it)");
    case Catalogue::Kind::Tick:
        return QStringLiteral("Space ticks or unticks");
    case Catalogue::Kind::Text:
        break;
    }
    return QStringLiteral(
        "Enter the text; Enter moves to the next cell, Insert adds a row, Ctrl+Delete removes it");
}

int defaultWidth(Catalogue::Kind kind)
{
    switch (kind) {
    case Catalogue::Kind::Date:
        return 100;
    case Catalogue::Kind::Amount:
        return 120;
    case Catalogue::Kind::Whole:
        return 90;
    case Catalogue::Kind::Tick:
        return 60;
    case Catalogue::Kind::List:
        return 180;
    case Catalogue::Kind::Text:
        break;
    }
    return 160;
}

int widthOf(const Catalogue::Column &column)
{
    return column.width > 0 ? column.width : defaultWidth(column.kind);
}

bool isBlankValue(const QString &text)
{
    const QString t = text.trimmed();
    return t.isEmpty() || t == QLatin1String("0.00");
}

double number(const QString &text)
{
    return text.trimmed().toDouble();
}

} // namespace CellFormat
