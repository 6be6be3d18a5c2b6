#include "TemplateReport.h"

#include "Accountant.h"
#include "AuditReport.h"
#include "ControlCodes.h"
#include "DepreciationReport.h"
#include "MasterFile.h"
#include "PrintChoices.h"
#include "PrintSetup.h"
#include "ReportEngine.h"
#include "ReportWriter.h"
#include "ShippedTemplates.h"
#include "TemplateForm3CD.h"
#include "TemplateFrontPage.h"
#include "base/Prompt.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace TemplateReport
{

namespace
{

QString temporaryFile(const QString &name)
{
    const QString folder = hasHost() ? host().vTmpPath() : QDir::tempPath();
    QDir().mkpath(folder);
    return QDir(folder).filePath(name);
}

bool open(MasterFile &file, const QString &path)
{
    if (file.openmasterfile(path))
        return true;
    prompts().inform(QStringLiteral("The template [%1] cannot be read.").arg(QDir::toNativeSeparators(path)));
    return false;
}

// Saves the filled master file over any earlier one and appends it to the report. The file is
// written and read back under a name of its own first: another print running at the same time
// (the desktop program and taxaudit, say) saves its own "3CD.rtf" in the same folder.
bool saveAndAppend(ReportEngine &engine, const MasterFile &file, const QString &name)
{
    const QString path = temporaryFile(name);
    QTemporaryFile own(path + QStringLiteral(".XXXXXX"));
    if (own.open()) {
        own.close();
        if (file.SaveMasterFile(own.fileName()) && engine.AppendFile(own.fileName())) {
            QFile::remove(path);
            if (own.rename(path))
                own.setAutoRemove(false);
            return true;
        }
    }
    prompts().inform(
        QStringLiteral("The report cannot be written to [%1].").arg(QDir::toNativeSeparators(path)));
    return false;
}

} // namespace

bool chosen(const PrintChoices &choices)
{
    return !choices.frontTemplate.isEmpty() && !choices.form3cdTemplate.isEmpty();
}

bool build(ReportEngine &engine, const ReportModel &model, const PrintChoices &choices)
{
    const bool form3CB = model.formCode() == QLatin1String("3CB");
    const PrintSetup setup = PrintSetup::read(model);
    const Accountant accountant = choices.blank ? Accountant() : Accountant::ofReport(model);

    // The "(Original)" rows of Print Options name the shipped templates in the documents folder.
    if (hasHost())
        ShippedTemplates::install(host().ExePath(), host().DocPath());

    engine.WinModeReport = true;
    engine.SetCol130(false);
    engine.NewReport();
    MasterFile front;
    if (!open(front, choices.frontTemplate))
        return false;
    TemplateFrontPage::fill(front, model, setup, accountant, choices.blank);
    if (!saveAndAppend(engine, front, form3CB ? QStringLiteral("3CB.rtf") : QStringLiteral("3CA.rtf")))
        return false;
    engine.PrintText(ControlCodes::FormFeed + u';');
    engine.PrintText(ControlCodes::ElitePitch + u';');

    MasterFile body;
    if (!open(body, choices.form3cdTemplate))
        return false;
    const bool chart = TemplateForm3CD::fill(body, model, choices, setup, accountant);
    if (!saveAndAppend(engine, body, QStringLiteral("3CD.rtf")))
        return false;
    // The depreciation chart, as the depreciation report draws it, on wide pages after the
    // statement.
    QTemporaryFile chartFile(temporaryFile(QStringLiteral("18.rtf.XXXXXX")));
    if (chart && chartFile.open()) {
        chartFile.close();
        if (DepreciationReport::saveChart(model, chartFile.fileName())) {
            engine.startSection(true);
            ReportWriter(engine).line(DepreciationReport::Title, ReportRow::Centre, true);
            engine.InsertTblFromFile(chartFile.fileName());
        }
    }
    if (!choices.blank && setup.footer)
        AuditReport::writeFooter(engine, model.key().yearKey, hasHost() ? host().ClientName() : QString());
    engine.ShowReport();
    return true;
}

} // namespace TemplateReport
