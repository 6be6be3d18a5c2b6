#include "TdsWorkbook.h"

#include "base/SharedMessages.h"

#include "AnnexureClause.h"
#include "AnnexureWorkbook.h"
#include "WorkbookReader.h"
#include "base/Prompt.h"
#include "catalogue/CellFormat.h"
#include "catalogue/ListNames.h"
#include "model/ListSources.h"

#include <QFile>
#include <QFileInfo>

namespace TdsWorkbook
{

namespace
{

const QString kMain = QStringLiteral("Main");
const QString kLatestMark = QStringLiteral("where the assessee is required to furnish");

AnnexureLayout mainLayout()
{
    AnnexureLayout layout;
    layout.columns = {
        AnnexureColumn{
            QStringLiteral("PAN of the assessee"), Catalogue::Kind::Text, 140, false, {}, true, {}},
        AnnexureColumn{QStringLiteral("Financial Year"), Catalogue::Kind::Text, 120, false, {}, true, {}}};
    return layout;
}

AnnexureLayout layoutOf(const List &list)
{
    return AnnexureLayout::ofGrid(AnnexureClause::find(list.point)->columns);
}

// Upper-case letters only, "&" read as "AND": "Jammu & Kashmir" and "JAMMU AND KASHMIR" meet.
QString stateKey(QString name)
{
    name = name.toUpper().replace(u'&', QLatin1String("AND"));
    QString key;
    for (const QChar c : name)
        if (c.isLetter())
            key += c;
    return key == QLatin1String("ORISSA") ? QStringLiteral("ODISHA") : key;
}

// A payment of 21(b) whose tax was not paid in time, as the TDS details list it: eleven
// columns of the clause grid's, the deposited amount only where the grid keeps one
// (payments to residents).
QList<PrintedColumn> latePayments(int depositedColumn)
{
    return {{QStringLiteral("Date of payment"), 0},
            {QStringLiteral("Amount of payment"), 1, true},
            {QStringLiteral("Nature of payment"), 2},
            {QStringLiteral("Name of the payee"), 3},
            {QStringLiteral("PAN of the payee"), 4},
            {QStringLiteral("Address line1"), 7},
            {QStringLiteral("Address line2"), 8},
            {QStringLiteral("City /Town /District"), 12},
            {QStringLiteral("Pin code"), 9},
            {QStringLiteral("Amount of tax deducted"), 14, true},
            {QStringLiteral("Amount out of (VI) deposited, if any"), depositedColumn, true}};
}

} // namespace

const QList<List> &lists()
{
    static const QList<List> all{
        {QStringLiteral("34_a"),
         QStringLiteral("34a"),
         QStringLiteral(
             "34(a) Tax deducted or collected at source where the assessee is required to deduct or collect "
             "tax"),
         {}},
        {QStringLiteral("34_b"),
         QStringLiteral("34b"),
         QStringLiteral(
             "34(b) Statements of tax deducted or collected where the assessee is required to furnish the "
             "statement"),
         {}},
        {QStringLiteral("34_c"),
         QStringLiteral("34c"),
         QStringLiteral("34(c) Interest payable under section 201(1A) or 206C(7)"),
         {}},
        {QStringLiteral("21_b_i_B"), QStringLiteral("21bib"),
         QStringLiteral(
             "21(b)(i)(B) Payments to non-residents on which tax was deducted but not paid within time"),
         latePayments(-1)},
        {QStringLiteral("21_b_ii_B"), QStringLiteral("21biib"),
         QStringLiteral(
             "21(b)(ii)(B) Payments to residents on which tax was deducted but not paid on or before the due "
             "date"),
         latePayments(15)},
    };
    return all;
}

bool write(const QString &path, const QString &pan, const QString &financialYear,
           const QHash<QString, QList<QStringList>> &rowsByPoint, QString *error)
{
    QList<AnnexureWorkbook::Page> pages{
        {kMain, AnnexureLayout::instruction(), mainLayout(), {{pan, financialYear}}}};
    for (const List &list : lists())
        pages << AnnexureWorkbook::Page{list.sheet, list.title, layoutOf(list),
                                        rowsByPoint.value(list.point)};
    return AnnexureWorkbook::writePages(path, pages, error);
}

QString normalisedState(const QString &name, const QStringList &states)
{
    const QString key = stateKey(name);
    for (const QString &state : states)
        if (stateKey(state) == key)
            return state;
    return name;
}

std::optional<Contents> read(const QString &path)
{
    const auto refuse = [](const QString &why) -> std::optional<Contents> {
        prompts().message(why, {}, PromptIcon::Critical);
        return std::nullopt;
    };
    if (!QFile::exists(path))
        return refuse(QStringLiteral("File [%1] does not exist.").arg(QFileInfo(path).fileName()));
    QString error;
    const std::optional<QList<WorkbookSheet>> sheets = WorkbookReader::read(path, &error);
    if (!sheets)
        return refuse(error);
    const auto sheetNamed = [&](const QString &name) -> const WorkbookSheet * {
        for (const WorkbookSheet &s : *sheets)
            if (s.name.compare(name, Qt::CaseInsensitive) == 0)
                return &s;
        return nullptr;
    };
    const WorkbookSheet *statements = sheetNamed(QStringLiteral("34_b"));
    if (!statements || !statements->cell(0, 0).toLower().contains(kLatestMark))
        return refuse(QStringLiteral("Please Import Using Latest Sheet."));
    const WorkbookSheet *main = sheetNamed(kMain);
    if (!main)
        return refuse(QStringLiteral("Sheet [%1] is missing in the Excel File.").arg(kMain));

    Contents contents;
    const int mainRow = mainLayout().firstDataRow();
    contents.pan = main->cell(mainRow, 0).trimmed().toUpper();
    contents.financialYear = main->cell(mainRow, 1).trimmed();
    ListSources sources;
    for (const List &list : lists()) {
        const WorkbookSheet *sheet = sheetNamed(list.sheet);
        if (!sheet)
            return refuse(QStringLiteral("Sheet [%1] is missing in the Excel File.").arg(list.sheet));
        const QList<Catalogue::Column> columns = AnnexureClause::find(list.point)->columns;
        const AnnexureLayout layout = AnnexureLayout::ofGrid(columns);
        if (!layout.matchesHeadings(sheet->rows))
            return refuse(SharedMessages::invalidFile());
        QList<QStringList> rows;
        for (int r = layout.firstDataRow(); r < sheet->rows.size(); ++r) {
            const QStringList &cells = sheet->rows.at(r);
            if (cells.value(0).trimmed().isEmpty())
                break;
            QStringList kept;
            for (int c = 0; c < columns.size(); ++c) {
                QString value = CellFormat::format(columns.at(c).kind, cells.value(c));
                const QString &list = columns.at(c).list;
                if ((list == ListNames::States || list == ListNames::AddressStates) && !value.isEmpty())
                    value = normalisedState(value, sources.items(list));
                kept << value;
            }
            rows << kept;
        }
        if (!rows.isEmpty())
            contents.rowsByPoint.insert(list.point, rows);
    }
    return contents;
}

} // namespace TdsWorkbook
