#include "clsExportJSON.h"

#include "base/SharedMessages.h"

#include "base/Prompt.h"
#include "commands/JsonGeneration.h"
#include "efiling/EfilingExport.h"
#include "efiling/JsonLineWriter.h"
#include "frmUploadMsg.h"
#include "frmeflvalid.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "model/rules/ReportRules.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

QString clsExportJSON::formRoot()
{
    return EfilingExport::formRoot(moduleState().formKind);
}

QString clsExportJSON::formKey()
{
    return EfilingExport::formKey(moduleState().formKind);
}

QString clsExportJSON::defaultFileName()
{
    HostContext &h = host();
    return EfilingExport::defaultFileName(moduleState().formKind, h.vAsPAN(), h.yearKey());
}

QString clsExportJSON::schemaFolder()
{
    return EfilingExport::schemaFolder(moduleState().formKind);
}

QByteArray clsExportJSON::compose(const QDate &today)
{
    return EfilingExport::compose(*ReportRules::loadAsWritten(), today);
}

void clsExportJSON::compose(JsonLineWriter &w, const QDate &today)
{
    EfilingExport::compose(w, *ReportRules::loadAsWritten(), today);
}

bool clsExportJSON::chooseFile()
{
    m_file = JsonGeneration::chooseFile(ReportKey::current());
    return !m_file.isEmpty();
}

bool clsExportJSON::checked(const EfilingExport::Result &result)
{
    if (result.outcome == EfilingExport::Outcome::Valid)
        return true;
    // The refused document is shown from where it was kept; cleaned of special characters on
    // the screen and found valid there, it is put in place after all.
    const QString rejected = result.rejected;
    const QString schema = EfilingExport::schemaFile(moduleState().formKind);
    const ErrorReportWindow::Source source{
        rejected, false,
        [rejected, schema] { return JsonFileCheck::check(rejected, schema, JsonFileCheck::Heed::All); }};
    if (!ErrorReportWindow::present<frmeflvalid>(source, result.check) || rejected.isEmpty())
        return false;
    QFile::remove(m_file);
    return QFile::copy(rejected, m_file);
}

void clsExportJSON::GenerateJSON([[maybe_unused]] const QString &mode)
{
    m_upload.clear();
    m_outcome = Outcome::NotWritten;
    try {
        if (!chooseFile())
            return;
        const EfilingExport::Result result = JsonGeneration::write(ReportKey::current(), m_file);
        if (result.outcome == EfilingExport::Outcome::NotWritten) {
            prompts().message(result.failure, {}, PromptIcon::Critical);
            return;
        }
        if (!checked(result)) {
            m_outcome = Outcome::Invalid;
            prompts().message(SharedMessages::invalidFile(), moduleState().formCode);
            return;
        }
        m_outcome = Outcome::Valid;
        m_upload = frmUploadMsg::ask(QDir::toNativeSeparators(m_file));
        if (m_upload.startsWith(QLatin1String("Y|")))
            JsonGeneration::prepareUpload(m_file, m_upload.mid(2), ReportKey::current());
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    } catch (const std::exception &e) {
        prompts().message(QString::fromUtf8(e.what()), {}, PromptIcon::Critical);
    }
}
