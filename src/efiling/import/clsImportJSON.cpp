#include "clsImportJSON.h"

#include "ImportDocument.h"
#include "ImportTarget.h"
#include "ReportImport.h"
#include "base/Prompt.h"
#include "host/HostContext.h"
#include "host/HostSchema.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QDebug>
#include <stdexcept>

namespace
{

QString chooseFile()
{
    const ModuleState &m = moduleState();
    const QString folder = m.returnsFolder.isEmpty() ? host().DocPath() : m.returnsFolder;
    const QString file = prompts().openFile(QStringLiteral("Select JSON File to Import"),
                                            QStringLiteral("JSON File|*.json"), folder);
    if (file.isEmpty())
        return {};
    const bool proceed =
        prompts().message(
            QStringLiteral("Importing the JSON file will delete all the existing data of Form %1-3CD\n"
                           "Are you sure to continue?")
                .arg(m.formCode),
            QStringLiteral("Warning"), PromptIcon::Question, PromptButtons::YesNo) == PromptAnswer::Yes;
    return proceed ? file : QString();
}

// The form check: a given file may be of either form; a chosen one must be of the open report's.
bool acceptedForm(const ImportDocument &doc, bool given)
{
    if (given) {
        if (doc.status == ImportDocument::Status::NotForm3CD) {
            prompts().inform(QStringLiteral("Selected JSON File is not a Form 3CD JSON File"));
            return false;
        }
        return true;
    }
    const FormKind open = moduleState().formKind;
    if (doc.status == ImportDocument::Status::NotForm3CD || doc.form != open) {
        prompts().inform(open == FormKind::F3CB
                             ? QStringLiteral("Selected JSON File is not a Form 3CB-3CD JSON File")
                             : QStringLiteral("Selected JSON File is not a Form 3CA-3CD JSON File"));
        return false;
    }
    return true;
}

} // namespace

bool clsImportJSON::ImportJSON(const QString &JSONFile)
{
    const bool given = !JSONFile.isEmpty();
    const QString file = given ? JSONFile : chooseFile();
    if (file.isEmpty())
        return false;
    try {
        const ImportDocument doc = ImportDocument::read(file);
        if (doc.status == ImportDocument::Status::Invalid) {
            prompts().message(QStringLiteral("Invalid JSON File"), QStringLiteral("Error"),
                              PromptIcon::Critical);
            return false;
        }
        if (!acceptedForm(doc, given))
            return false;
        HostContext &h = host();
        ReportImport::replace(
            ImportTarget::of(h.Temp_Code(), h.yearKey(), given ? doc.form : moduleState().formKind),
            doc.formKey);
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    } catch (const std::exception &e) {
        prompts().message(QString::fromUtf8(e.what()), {}, PromptIcon::Critical);
        return false;
    }
    prompts().inform(given ? QStringLiteral("Imported Successfully.")
                           : QStringLiteral("JSON Imported Successfully."));
    return true;
}

bool clsImportJSON::importFile(const QString &file, const QString &client, const QString &yearKey)
{
    if (!HostSchema::isValidYearKey(yearKey))
        return false;
    const ImportDocument doc = ImportDocument::read(file);
    if (doc.status != ImportDocument::Status::Ok)
        return false;
    try {
        // Creating a year's tables ends any transaction on MySQL: it is done before the import's.
        HostSchema::ensureYearTables(host().DBObj(), yearKey);
        ReportImport::replace(ImportTarget::of(client, yearKey, doc.form), doc.formKey);
        return true;
    } catch (const DbError &e) {
        qWarning().noquote() << file << e.message();
    } catch (const std::exception &e) {
        qWarning().noquote() << file << e.what();
    }
    return false;
}
