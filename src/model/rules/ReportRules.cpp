#include "ReportRules.h"

#include "ColumnTotals.h"
#include "DepreciationRules.h"
#include "PartARules.h"
#include "TurnoverRules.h"

namespace ReportRules
{

void applyAll(ReportModel &model)
{
    PartARules::apply(model);
    DepreciationRules::apply(model);
    TurnoverRules::apply(model);
    ColumnTotals::apply(model);
}

} // namespace ReportRules
