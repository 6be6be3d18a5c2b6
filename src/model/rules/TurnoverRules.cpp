#include "TurnoverRules.h"

#include "catalogue/CellFormat.h"
#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"
#include "model/amounts/Amounts.h"
#include "model/turnover/Clause40.h"

#include <algorithm>

namespace TurnoverRules
{

namespace
{
const int kPage = 20;
} // namespace

void recomputeRatios(ReportModel &model)
{
    Clause40::Fields fields;
    for (const Clause40::Record &record : Clause40::records()) {
        for (int k = 0; k < record.fields.size(); ++k)
            fields.insert(record.fields.at(k), model.value(kPage, record.point, k + 1));
    }
    Clause40::recomputeRatios(fields);
    for (const Clause40::Record &record : Clause40::records()) {
        for (int k = 0; k < record.fields.size(); ++k) {
            const QString computed = fields.value(record.fields.at(k));
            const QString stored = model.value(kPage, record.point, k + 1);
            // A record the page has never written stays away while it has nothing to show.
            if (computed != stored && (model.has(kPage, record.point) || !computed.isEmpty()))
                model.setValue(kPage, record.point, computed, k + 1);
        }
    }
}

void fixClause44Row(QStringList &cells)
{
    const bool empty =
        std::all_of(cells.begin(), cells.end(), [](const QString &c) { return c.trimmed().isEmpty(); });
    if (empty || Vocabulary::isMarker(cells.value(0)))
        return;
    while (cells.size() < 5)
        cells << QString();
    double registered = 0;
    for (int c : {1, 2, 3})
        registered += Amounts::value(cells.at(c));
    cells[4] = Amounts::format2(registered);
}

void recomputeRegisteredTotals(ReportModel &model)
{
    const QString point = QStringLiteral("44");
    const QString form = model.formNameForPage(kPage);
    const QList<ReportModel::Row> stored = model.rows(kPage, point, form);
    QList<QStringList> rows;
    bool changed = false;
    for (const ReportModel::Row &row : stored) {
        QStringList cells = row.cols;
        const int sequence = ReportModel::kSequenceColumn - 1;
        while (cells.size() < ReportModel::kSequenceColumn)
            cells << QString();
        QStringList values = cells.mid(0, sequence);
        fixClause44Row(values);
        for (int c = 0; c < sequence; ++c)
            cells[c] = values.at(c);
        changed = changed || cells != row.cols;
        rows << cells;
    }
    if (changed)
        model.setRows(kPage, point, rows, form);
}

void apply(ReportModel &model)
{
    recomputeRatios(model);
    recomputeRegisteredTotals(model);
}

bool reads(int page)
{
    return page == kPage;
}

} // namespace TurnoverRules
