#include "ReportRules.h"

#include "ColumnTotals.h"
#include "DepreciationRules.h"
#include "PartARules.h"
#include "SaveRules.h"
#include "TurnoverRules.h"

namespace ReportRules
{

void applyAll(ReportModel &model)
{
    // The rules are those of the Form 3CD pages; Form 3CEB numbers its pages otherwise.
    if (model.key().form.formKind == FormKind::F3CEB)
        return;
    SaveRules::apply(model);
    PartARules::apply(model);
    DepreciationRules::apply(model);
    TurnoverRules::apply(model);
    ColumnTotals::apply(model);
}

bool reads(int page, const QString &point)
{
    return PartARules::reads(page) || DepreciationRules::reads(page, point) || TurnoverRules::reads(page) ||
           ColumnTotals::reads(page, point);
}

std::unique_ptr<ReportModel> loadAsWritten(const ReportKey &key)
{
    auto model = ReportModel::load(key);
    applyAll(*model);
    return model;
}

std::unique_ptr<ReportModel> asWritten(const ReportModel &report)
{
    auto model = std::make_unique<ReportModel>(report.key());
    for (int page : report.pages()) {
        for (const QString &point : report.points(page)) {
            for (const ReportModel::Row &row : report.rows(page, point))
                model->append(row);
        }
    }
    applyAll(*model);
    return model;
}

} // namespace ReportRules
