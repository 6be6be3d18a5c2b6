#include "ColumnTotals.h"

#include "catalogue/CellFormat.h"
#include "catalogue/ClauseCatalogue.h"
#include "model/ReportModel.h"

namespace ColumnTotals
{

QString totalOf(const QList<QStringList> &rows, int column)
{
    double total = 0;
    bool any = false;
    for (const QStringList &cells : rows) {
        const QString cell = cells.value(column - 1);
        any = any || !cell.trimmed().isEmpty();
        total += CellFormat::number(cell);
    }
    return any ? QString::number(total, 'f', 2) : QString();
}

void apply(ReportModel &model)
{
    using namespace Catalogue;
    for (const Page &page : ClauseCatalogue::instance().pages()) {
        const QString form = model.formNameForPage(page.number);
        for (const Clause &clause : page.clauses) {
            for (const Control &control : clause.controls) {
                if (control.type != ControlType::Fields)
                    continue;
                for (int k = 0; k < control.fields.size(); ++k) {
                    const Field &field = control.fields.at(k);
                    if (field.sumPoint.isEmpty())
                        continue;
                    QList<QStringList> rows;
                    for (const ReportModel::Row &row : model.rows(page.number, field.sumPoint, form))
                        rows << row.cols;
                    const QString total = totalOf(rows, field.sumColumn);
                    if (total != model.value(page.number, control.point, k + 1) &&
                        (model.has(page.number, control.point) || !total.isEmpty()))
                        model.setValue(page.number, control.point, total, k + 1);
                }
            }
        }
    }
}

bool reads(int page, const QString &point)
{
    using namespace Catalogue;
    const Page *shown = ClauseCatalogue::instance().page(page);
    if (!shown)
        return false;
    for (const Clause &clause : shown->clauses) {
        for (const Control &control : clause.controls) {
            for (const Field &field : control.fields) {
                if (field.sumPoint == point)
                    return true;
            }
        }
    }
    return false;
}

} // namespace ColumnTotals
