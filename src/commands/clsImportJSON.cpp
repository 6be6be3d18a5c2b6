#include "clsImportJSON.h"

#include "CarryCommands.h"
#include "ImportMessages.h"
#include "PanConsent.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "clsImpotXML3CEB.h"
#include "efiling/import/ImportDocument.h"
#include "efiling/import/ImportTarget.h"
#include "efiling/import/ReportForm.h"
#include "efiling/import/ReportImport.h"
#include "host/HostContext.h"
#include "host/HostSchema.h"
#include "store/ClauseTables.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QDebug>
#include <QFileInfo>
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
            QStringLiteral("Importing the JSON file will delete all the existing data of Form %1-3CD\n")
                    .arg(m.formCode) +
                SharedMessages::sureToContinue(),
            QStringLiteral("Warning"), PromptIcon::Question, PromptButtons::YesNo) == PromptAnswer::Yes;
    return proceed ? file : QString();
}

// The form check: a chosen file must be of the open report's form, a given one of the form
// of the report stored for the client and year (any form when there is none yet, or when
// the caller allowed the switch). The form to import as, or None after telling the user.
FormKind acceptedForm(const ImportDocument &doc, bool given, bool allowSwitch)
{
    if (given) {
        if (doc.status == ImportDocument::Status::NotForm3CD) {
            prompts().inform(ImportMessages::notForm3cdJson());
            return FormKind::None;
        }
        HostContext &h = host();
        const FormKind stored = ReportForm::stored(h.DBObj(), h.Temp_Code(), h.yearKey());
        if (stored != FormKind::None && stored != doc.form && !allowSwitch) {
            prompts().inform(ReportForm::notThisForm(stored));
            return FormKind::None;
        }
        return doc.form;
    }
    const FormKind open = moduleState().formKind;
    if (doc.status == ImportDocument::Status::NotForm3CD || doc.form != open) {
        prompts().inform(ReportForm::notThisForm(open));
        return FormKind::None;
    }
    return open;
}

// The form of the report stored for the client and year; Form 3CA's when there is none, as
// the refusal of a file of the other form takes it.
FormKind storedForm()
{
    HostContext &h = host();
    const FormKind stored = ReportForm::stored(h.DBObj(), h.Temp_Code(), h.yearKey());
    return stored == FormKind::None ? FormKind::F3CA : stored;
}

} // namespace

bool clsImportJSON::ImportJSON(const QString &JSONFile)
{
    const bool given = !JSONFile.isEmpty();
    const QString file = given ? JSONFile : chooseFile();
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0)
        return clsImpotXML3CEB().ImportXML(file, given ? storedForm() : moduleState().formKind);
    ReportImport::Notes notes;
    try {
        ImportDocument doc = ImportDocument::read(file);
        if (doc.status != ImportDocument::Status::Ok && doc.status != ImportDocument::Status::NotForm3CD) {
            prompts().message(doc.failure, QStringLiteral("Error"), PromptIcon::Critical);
            return false;
        }
        const FormKind form = acceptedForm(doc, given, m_allowFormSwitch);
        if (form == FormKind::None || !PanConsent::accepted(doc.assesseePans(), m_allowOtherPan))
            return false;
        // Last year's filed report is this year's starting point rather than this year's report.
        if (CarryCommands::offerCarry(doc))
            return CarryCommands::carryDocument(doc, form);
        HostContext &h = host();
        notes = ReportImport::replace(ImportTarget::of(h.Temp_Code(), h.yearKey(), form), std::move(doc));
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    } catch (const std::exception &e) {
        prompts().message(QString::fromUtf8(e.what()), {}, PromptIcon::Critical);
        return false;
    }
    prompts().inform(given ? ImportMessages::importedSuccessfully()
                           : QStringLiteral("JSON Imported Successfully."));
    if (const QString notice = notes.text(); !notice.isEmpty())
        prompts().inform(notice);
    return true;
}

bool clsImportJSON::importFile(const QString &file, const QString &client, const QString &yearKey)
{
    if (!ClauseTables::isValidYearKey(yearKey))
        return false;
    const std::shared_ptr<const ReportImport::ReadFile> readBefore = ReportImport::FilesRead::take(file);
    ImportDocument doc;
    if (!readBefore) {
        doc = ImportDocument::read(file);
        if (doc.status != ImportDocument::Status::Ok)
            return false;
    }
    const FormKind form = readBefore ? readBefore->form : doc.form;
    try {
        // Creating a year's tables ends any transaction on MySQL: it is done before the import's.
        HostSchema::ensureYearTables(host().DBObj(), yearKey);
        const FormKind stored = ReportForm::stored(host().DBObj(), client, yearKey);
        if (stored != FormKind::None && stored != form)
            return false;
        const ImportTarget target = ImportTarget::of(client, yearKey, form);
        if (readBefore)
            ReportImport::replace(target, *readBefore);
        else
            ReportImport::replace(target, std::move(doc));
        return true;
    } catch (const DbError &e) {
        qWarning().noquote() << file << e.message();
    } catch (const std::exception &e) {
        qWarning().noquote() << file << e.what();
    }
    return false;
}
