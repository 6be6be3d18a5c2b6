#include "AnnexureExchange.h"

#include "base/SharedMessages.h"

#include "base/OutputFile.h"
#include "base/Prompt.h"
#include "catalogue/CellFormat.h"
#include "host/HostContext.h"
#include "spreadsheet/AnnexureLayout.h"
#include "spreadsheet/AnnexureWorkbook.h"
#include "spreadsheet/Clause18Workbook.h"
#include "spreadsheet/WorkbookReader.h"

#include <QDir>
#include <QFile>

namespace AnnexureExchange
{

namespace
{

bool isClause18(const QString &clause)
{
    return clause == QLatin1String("18");
}

// The empty clause 18 format shipped with the program, in the installation folder.
QString shippedClause18Format()
{
    return hasHost() ? QDir(host().ExePath()).filePath(QStringLiteral("3CDFiles/Annexure_18.xlsx"))
                     : QString();
}

// The shipped format copied to path whole or not at all; it must be a workbook in the layout.
bool copyFormat(const QString &from, const AnnexureLayout &layout, const QString &path, QString *error)
{
    QFile source(from);
    OutputFile out(path);
    if (!source.open(QIODevice::ReadOnly) || !out.open()) {
        *error = out.errorString().isEmpty() ? source.errorString() : out.errorString();
        return false;
    }
    out.device().write(source.readAll());
    const bool copied = out.commit([&layout, &from](const QString &file) {
        const std::optional<QList<WorkbookSheet>> sheets = WorkbookReader::read(file);
        return sheets && !sheets->isEmpty() && layout.matchesHeadings(sheets->first().rows)
                   ? QString()
                   : QStringLiteral("The format file \"%1\" is not the clause 18 format.").arg(from);
    });
    if (!copied)
        *error = out.errorString();
    return copied;
}

} // namespace

AnnexureLayout layoutOf(const QString &clause, const QList<Catalogue::Column> &columns)
{
    return isClause18(clause) ? Clause18Workbook::layout() : AnnexureLayout::ofGrid(columns);
}

QString askExportPath(const QString &clause)
{
    return prompts().saveFile(ExportCaption, QStringLiteral("Excel Files|*.xlsx"), defaultFileName(clause));
}

QString askImportPath()
{
    return prompts().openFile(ImportCaption, QStringLiteral("Excel Files|*.xlsx;*.xls"), {});
}

QString defaultFileName(const QString &clause)
{
    return QStringLiteral("Annexure_") + clause + QStringLiteral(".xlsx");
}

bool exportRows(const QString &clause, const AnnexureLayout &layout, const QList<QStringList> &rows,
                const QString &path)
{
    if (const QString refused = OutputFile::refusal(path); !refused.isEmpty()) {
        prompts().message(refused, {}, PromptIcon::Critical);
        return false;
    }
    if (QFile::exists(path) &&
        !prompts().askYesNo(
            QStringLiteral("A file named \"%1\" already exists in this location. Do you want to "
                           "replace it?")
                .arg(path)))
        return false;
    QString error;
    // A clause without blocks goes out as the shipped format, every block ready to be filled.
    const QString format = shippedClause18Format();
    const bool asShipped = isClause18(clause) && rows.isEmpty() && QFile::exists(format);
    const QList<QStringList> sheetRows = isClause18(clause) ? Clause18Workbook::sheetRows(rows) : rows;
    const bool written = asShipped ? copyFormat(format, layout, path, &error)
                                   : AnnexureWorkbook::write(path, layout, sheetRows, &error);
    if (!written) {
        prompts().message(error, {}, PromptIcon::Critical);
        return false;
    }
    prompts().inform(QStringLiteral("Annexure Format Exported to Excel File \"%1\"\n\n%2")
                         .arg(path, AnnexureLayout::instruction()));
    return true;
}

std::optional<QList<QStringList>> importRows(const QString &clause, const AnnexureLayout &layout,
                                             const QString &path, const QDate &cutOff)
{
    if (!QFile::exists(path)) {
        prompts().message(QStringLiteral("A file named \"%1\" does not exists in this location.").arg(path),
                          {}, PromptIcon::Critical);
        return std::nullopt;
    }
    QString damaged;
    const std::optional<QList<WorkbookSheet>> sheets = WorkbookReader::read(path, &damaged);
    if (!sheets) {
        prompts().message(SharedMessages::invalidFile() + u'\n' + damaged, {}, PromptIcon::Critical);
        return std::nullopt;
    }
    if (sheets->isEmpty() || !layout.matchesHeadings(sheets->first().rows)) {
        prompts().message(SharedMessages::invalidFile(), {}, PromptIcon::Critical);
        return std::nullopt;
    }
    const QList<QStringList> &sheetRows = sheets->first().rows;
    QList<QStringList> rows;
    for (int r = layout.firstDataRow(); r < sheetRows.size(); ++r) {
        const QStringList &cells = sheetRows.at(r);
        if (cells.value(0).trimmed().isEmpty())
            break;
        rows << cells;
    }
    if (isClause18(clause))
        return Clause18Workbook::blockRows(rows, cutOff);
    for (QStringList &cells : rows) {
        QStringList kept;
        for (int c = 0; c < layout.columns.size(); ++c)
            kept << CellFormat::format(layout.columns.at(c).kind, cells.value(c));
        cells = kept;
    }
    return rows;
}

} // namespace AnnexureExchange
