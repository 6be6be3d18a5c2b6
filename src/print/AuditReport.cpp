#include "AuditReport.h"

#include "Accountant.h"
#include "ControlCodes.h"
#include "Form3CDBody.h"
#include "FrontPage.h"
#include "PrintChoices.h"
#include "PrintSetup.h"
#include "ReportEngine.h"
#include "ReportWriter.h"
#include "TemplateReport.h"
#include "base/Prompt.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "model/rules/FilledReport.h"
#include "store/ReportKey.h"

namespace AuditReport
{

bool build(ReportEngine &engine, const ReportModel &model, const PrintChoices &choices)
{
    const int reportPage = model.formCode() == QLatin1String("3CB") ? 101 : 1;
    if (!choices.blank && !isFilled(model, reportPage))
        return false;
    if (TemplateReport::chosen(choices))
        return TemplateReport::build(engine, model, choices);
    const PrintSetup setup = PrintSetup::read(model);
    const Accountant accountant = choices.blank ? Accountant() : Accountant::ofReport(model);

    engine.WinModeReport = true;
    engine.SetCol130(false);
    engine.NewReport();
    ReportWriter writer(engine);
    FrontPage::write(writer, model, setup, accountant, choices.blank);
    engine.PrintText(ControlCodes::FormFeed + u';');
    engine.PrintText(ControlCodes::ElitePitch + u';');
    Form3CDBody::write(writer, model, choices, setup, accountant);
    if (!choices.blank && setup.footer)
        writeFooter(engine, model.key().yearKey, hasHost() ? host().ClientName() : QString());
    engine.ShowReport();
    return true;
}

bool isFilled(const ReportModel &model, int page)
{
    if (FilledReport::isFilled(model, page))
        return true;
    prompts().inform(FilledReport::notFilled());
    return false;
}

void writeFooter(ReportEngine &engine, const QString &yearKey, const QString &clientName)
{
    engine.SelectHF(true, ReportEngine::Footer, 5);
    engine.PrintText(ControlCodes::ElitePitch + u';');
    ReportWriter writer(engine);
    writer.columns(QStringLiteral("25,50,25"), {ReportRow::Left, ReportRow::Centre, ReportRow::Right});
    const QString rule = ruleMask(3, u'1');
    const QString none = ruleMask(3, u'0');
    writer.rowWithMasks(
        {QStringLiteral("AY - ") + ReportKey::assessmentYearOf(yearKey), clientName, QString()}, none, none,
        rule, none);
    engine.InsertPgNo_TB(1, 3, QStringLiteral(" -"), 1);
    engine.SelectHF(false, 2);
}

} // namespace AuditReport
