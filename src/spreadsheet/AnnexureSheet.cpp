#include "AnnexureSheet.h"

#include "base/IdentityChecks.h"
#include "base/OutputFile.h"
#include "base/SharedMessages.h"
#include "catalogue/CellFormat.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace
{

constexpr Catalogue::Kind kKinds[] = {Catalogue::Kind::Text,   Catalogue::Kind::Date, Catalogue::Kind::Whole,
                                      Catalogue::Kind::Amount, Catalogue::Kind::Tick, Catalogue::Kind::List};

bool isAssessmentYear(const AnnexureSheetColumn &column)
{
    return column.heading.contains(QLatin1String("assessment year"), Qt::CaseInsensitive);
}

QString assessmentYearRefusal(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral(R"(^(\d{4})-(\d{2})$)"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return QStringLiteral("Assessment Year must be in YYYY-YY format");
    if ((m.captured(1).toInt() + 1) % 100 != m.captured(2).toInt())
        return QStringLiteral("Assessment Year must be consecutive");
    return {};
}

} // namespace

int AnnexureSheet::typeOf(Catalogue::Kind kind)
{
    for (int t = 0; t < 6; ++t)
        if (kKinds[t] == kind)
            return t + 1;
    return 1;
}

Catalogue::Kind AnnexureSheet::kindOf(int type)
{
    return type >= 1 && type <= 6 ? kKinds[type - 1] : Catalogue::Kind::Text;
}

AnnexureSheet AnnexureSheet::ofGrid(const QList<Catalogue::Column> &columns, const QString &typeList,
                                    const QList<QStringList> &rows)
{
    AnnexureSheet sheet;
    const QStringList types = typeList.split(u',', Qt::SkipEmptyParts);
    const AnnexureLayout layout = AnnexureLayout::ofGrid(columns);
    for (int c = 0; c < columns.size(); ++c) {
        const Catalogue::Column &column = columns.at(c);
        bool ok = false;
        const int listed = types.value(c).trimmed().toInt(&ok);
        const int type = ok && listed >= 1 && listed <= 6 ? listed : typeOf(column.kind);
        const bool numeric = type == 3 || type == 4;
        sheet.columns << AnnexureSheetColumn{column.heading,
                                             type,
                                             numeric ? 2 : 1,
                                             layout.columns.at(c).listItems,
                                             false,
                                             column.check,
                                             layout.columns.at(c).width,
                                             column.hidden};
    }
    for (const QStringList &row : rows)
        sheet.rows << row.mid(0, columns.size());
    return sheet;
}

QString AnnexureSheet::format(int column, const QString &typed) const
{
    return CellFormat::format(kindOf(columns.value(column).type), typed);
}

QString AnnexureSheet::refusal(int column, const QString &text) const
{
    if (text.isEmpty() || column >= columns.size())
        return {};
    const AnnexureSheetColumn &c = columns.at(column);
    if (isAssessmentYear(c))
        return assessmentYearRefusal(text);
    if (c.check == QLatin1String("pan") && !IdentityChecks::ValidPan(text))
        return SharedMessages::notAValidPan(text);
    if (c.check == QLatin1String("aadhaar") && !IdentityChecks::ValidAadhaar(text))
        return QStringLiteral("Not a Valid Aadhaar [%1]").arg(text);
    return {};
}

QString AnnexureSheet::newColumnHeading() const
{
    int number = 1;
    for (const AnnexureSheetColumn &c : columns)
        if (c.userDefined)
            ++number;
    return QStringLiteral("Column %1").arg(number);
}

QList<QStringList> AnnexureSheet::gridRows() const
{
    int own = 0;
    while (own < columns.size() && !columns.at(own).userDefined)
        ++own;
    QList<QStringList> out;
    for (const QStringList &row : rows) {
        QStringList cells = row.mid(0, own);
        while (cells.size() < own)
            cells << QString();
        out << cells;
    }
    return out;
}

AnnexureLayout AnnexureSheet::layout() const
{
    AnnexureLayout layout;
    for (const AnnexureSheetColumn &c : columns)
        layout.columns << AnnexureColumn{
            c.heading, kindOf(c.type), c.width > 0 ? c.width : 120, c.hidden, c.items, true, {}};
    return layout;
}

namespace AnnexureFile
{

QString pathOf(const QString &folder, const QString &clause)
{
    return QDir(folder).filePath(clause);
}

std::optional<AnnexureSheet> read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    if (!root.contains(QLatin1String("columns")))
        return std::nullopt;
    AnnexureSheet sheet;
    for (const QJsonValue &v : root.value(QLatin1String("columns")).toArray()) {
        const QJsonObject o = v.toObject();
        AnnexureSheetColumn c;
        c.heading = o.value(QLatin1String("heading")).toString();
        c.type = o.value(QLatin1String("type")).toInt(1);
        c.alignment = o.value(QLatin1String("alignment")).toInt(1);
        for (const QJsonValue &item : o.value(QLatin1String("items")).toArray())
            c.items << item.toString();
        c.userDefined = o.value(QLatin1String("userDefined")).toBool();
        c.check = o.value(QLatin1String("check")).toString();
        c.width = o.value(QLatin1String("width")).toInt();
        c.hidden = o.value(QLatin1String("hidden")).toBool();
        sheet.columns << c;
    }
    for (const QJsonValue &v : root.value(QLatin1String("rows")).toArray()) {
        QStringList cells;
        for (const QJsonValue &cell : v.toArray())
            cells << cell.toString();
        sheet.rows << cells;
    }
    return sheet;
}

bool write(const QString &path, const AnnexureSheet &sheet)
{
    if (sheet.rows.isEmpty())
        return !QFile::exists(path) || QFile::remove(path);
    QJsonArray columns;
    for (const AnnexureSheetColumn &c : sheet.columns)
        columns.append(QJsonObject{{QStringLiteral("heading"), c.heading},
                                   {QStringLiteral("type"), c.type},
                                   {QStringLiteral("alignment"), c.alignment},
                                   {QStringLiteral("items"), QJsonArray::fromStringList(c.items)},
                                   {QStringLiteral("userDefined"), c.userDefined},
                                   {QStringLiteral("check"), c.check},
                                   {QStringLiteral("width"), c.width},
                                   {QStringLiteral("hidden"), c.hidden}});
    QJsonArray rows;
    for (const QStringList &row : sheet.rows)
        rows.append(QJsonArray::fromStringList(row));
    QDir().mkpath(QFileInfo(path).absolutePath());
    OutputFile file(path);
    if (file.open())
        file.device().write(
            QJsonDocument(QJsonObject{{QStringLiteral("columns"), columns}, {QStringLiteral("rows"), rows}})
                .toJson(QJsonDocument::Compact));
    return file.commit();
}

} // namespace AnnexureFile
