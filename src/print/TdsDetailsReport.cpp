#include "TdsDetailsReport.h"

#include "FittedTable.h"
#include "ReportEngine.h"
#include "ReportWriter.h"
#include "spreadsheet/AnnexureClause.h"
#include "spreadsheet/TdsWorkbook.h"

namespace TdsDetailsReport
{

void build(ReportEngine &engine, const Heading &heading,
           const QHash<QString, QList<QStringList>> &rowsByPoint)
{
    engine.WinModeReport = true;
    engine.SetCol130(true);
    engine.NewReport();
    ReportWriter w(engine);
    w.line(QStringLiteral("Miscellaneous Details required in Form 3CD for A.Y. %1 [F.Y. %2]")
               .arg(heading.assessmentYear, heading.financialYear),
           ReportRow::Centre, true);
    w.line(heading.pan.isEmpty() ? QStringLiteral("Multiple Clients")
                                 : QStringLiteral("PAN : %1        TAN : %2").arg(heading.pan, heading.tan),
           ReportRow::Centre);
    for (const TdsWorkbook::List &list : TdsWorkbook::lists()) {
        const QList<QStringList> rows = rowsByPoint.value(list.point);
        if (rows.isEmpty())
            continue;
        QList<FittedTable::Column> columns;
        QList<QStringList> printed;
        if (list.printed.isEmpty()) {
            // Held by name: a range over a member of the temporary would outlive it.
            const std::optional<AnnexureClause> clause = AnnexureClause::find(list.point);
            for (const Catalogue::Column &column : clause->columns)
                columns << FittedTable::Column{column.heading, column.kind == Catalogue::Kind::Amount};
            printed = rows;
        } else {
            for (const TdsWorkbook::PrintedColumn &column : list.printed)
                columns << FittedTable::Column{column.heading, column.amount};
            for (const QStringList &row : rows) {
                QStringList cells;
                for (const TdsWorkbook::PrintedColumn &column : list.printed)
                    cells << (column.gridColumn < 0 ? QString() : row.value(column.gridColumn));
                printed << cells;
            }
        }
        w.blank();
        w.line(list.title, ReportRow::Left, true);
        FittedTable::write(w, columns, printed);
    }
    engine.ShowReport();
}

} // namespace TdsDetailsReport
