#include "ReportPrint.h"

#include "model/ReportModel.h"
#include "model/rules/ReportRules.h"
#include "print/AuditReport.h"
#include "print/DepreciationReport.h"
#include "print/Form3cebReport.h"
#include "print/ReportEngine.h"

namespace ReportPrint
{

bool compose(ReportEngine &engine, const ReportKey &report, const PrintChoices &choices, Document document)
{
    if (report.form.formKind == FormKind::F3CEB)
        return Form3cebReport::build(engine, *ReportModel::load(report));
    if (document == Document::Depreciation) {
        DepreciationReport::build(engine, *ReportRules::loadAsWritten(report));
        return true;
    }
    return AuditReport::build(engine, *ReportRules::loadAsWritten(report), choices);
}

QString nothingPrinted()
{
    return QStringLiteral("Nothing was printed.");
}

QString cannotWrite(const QString &file, const QString &reason)
{
    return QStringLiteral("Cannot write %1: %2").arg(file, reason);
}

} // namespace ReportPrint
