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
    SaveRules::apply(model);
    PartARules::apply(model);
    DepreciationRules::apply(model);
    TurnoverRules::apply(model);
    ColumnTotals::apply(model);
}

std::unique_ptr<ReportModel> loadAsWritten(const ReportKey &key)
{
    auto model = ReportModel::load(key);
    applyAll(*model);
    return model;
}

} // namespace ReportRules
