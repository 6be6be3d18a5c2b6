#include "AnnexureReport.h"

#include "AuditReport.h"
#include "FittedTable.h"
#include "ReportEngine.h"
#include "ReportWriter.h"
#include "catalogue/Vocabulary.h"

namespace AnnexureReport
{

namespace
{
constexpr int TickType = 5;
constexpr int AmountType = 4;
// More shown columns than this go on the wide page.
constexpr int PortraitColumns = 8;
} // namespace

void build(ReportEngine &engine, const Heading &heading, const AnnexureSheet &sheet)
{
    QList<int> shown;
    QList<FittedTable::Column> columns;
    for (int c = 0; c < sheet.columns.size(); ++c) {
        const AnnexureSheetColumn &column = sheet.columns.at(c);
        if (column.hidden)
            continue;
        shown << c;
        columns << FittedTable::Column{column.heading, column.type == AmountType};
    }
    QList<QStringList> rows;
    for (const QStringList &row : sheet.rows) {
        QStringList cells;
        for (int c : shown) {
            const QString cell = row.value(c);
            cells << (sheet.columns.at(c).type == TickType
                          ? (Vocabulary::isTicked(cell) ? QStringLiteral("\u2713") : QString())
                          : cell);
        }
        rows << cells;
    }

    engine.WinModeReport = true;
    engine.SetCol130(shown.size() > PortraitColumns);
    engine.NewReport();
    ReportWriter w(engine);
    w.line(heading.clientName, ReportRow::Centre, true);
    if (!heading.clientAddress.isEmpty())
        w.line(heading.clientAddress, ReportRow::Centre);
    w.blank();
    w.line(heading.caption, ReportRow::Left, true);
    w.blank();
    FittedTable::write(w, columns, rows);
    if (!heading.yearKey.isEmpty())
        AuditReport::writeFooter(engine, heading.yearKey, heading.clientName);
    engine.ShowReport();
}

} // namespace AnnexureReport
