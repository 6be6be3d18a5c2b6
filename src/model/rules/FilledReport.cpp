#include "FilledReport.h"

#include "model/ReportModel.h"
#include "store/ClauseStore.h"

namespace FilledReport
{

QString notFilled()
{
    return QStringLiteral("Form is not filled please fill the form");
}

bool isFilled(const ReportModel &model, int page)
{
    if (page == 0)
        page = model.formCode() == QLatin1String("3CB") ? 101 : 1;
    return ClauseStore::hasRows(model.key(), page);
}

} // namespace FilledReport
