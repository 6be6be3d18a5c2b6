#include "clsImpotXML3CEB.h"

#include "Xml3cebCarried.h"
#include "Xml3cebReader.h"
#include "base/Prompt.h"
#include "catalogue/Form3cebCatalogue.h"
#include "efiling/import/PanConsent.h"
#include "host/HostContext.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ModuleState.h"
#include "store/ReportChange.h"
#include "store/ReportKey.h"

namespace
{

const QString kError = QStringLiteral("Error");

QString chooseFile()
{
    const ModuleState &m = moduleState();
    const QString folder = m.returnsFolder.isEmpty() ? host().DocPath() : m.returnsFolder;
    return prompts().openFile(QStringLiteral("Select XML File to Import"), QStringLiteral("XML File|*.xml"),
                              folder);
}

// The file's form name against the open report's form; false after telling the user.
bool isOfOpenForm(const Xml3cebReader::Result &read)
{
    if (read.status == Xml3cebReader::Status::Unreadable) {
        prompts().message(read.failure, kError, PromptIcon::Critical);
        return false;
    }
    if (read.status == Xml3cebReader::Status::NoFormName) {
        prompts().message(QStringLiteral("Invalid XML File"), kError, PromptIcon::Critical);
        return false;
    }
    if (read.formName != Form3cebCatalogue::instance().formName()) {
        prompts().inform(QStringLiteral("Selected XML File is not a Form FORM 3CEB XML File"));
        return false;
    }
    if (read.formNamespace != Form3cebCatalogue::instance().formNamespace()) {
        prompts().message(
            QStringLiteral("The XML file is not in the namespace of Form 3CEB [%1] but in [%2]; "
                           "it is not imported.")
                .arg(Form3cebCatalogue::instance().formNamespace(), read.formNamespace),
            kError, PromptIcon::Critical);
        return false;
    }
    return true;
}

void replaceRows(const ReportKey &key, const QList<ClauseStore::ClauseRow> &rows)
{
    Database &db = host().DBObj();
    ReportChange change(key, QStringLiteral("Importing the e-filing XML file"));
    const QList<ClauseStore::ClauseRow> report =
        Xml3cebCarried::merged(ClauseStore::readAll(key), rows, key.form.valueColumns());
    db.Execute(QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=?").arg(key.form.clauseTable),
               {key.client, key.yearKey});
    ClauseStore::insertStoredRows(key, report);
    change.commit();
}

} // namespace

bool clsImpotXML3CEB::ImportXML(const QString &file)
{
    const bool given = !file.isEmpty();
    const QString path = given ? file : chooseFile();
    if (path.isEmpty())
        return false;
    try {
        HostContext &h = host();
        const ReportKey key = ReportKey::of(h.Temp_Code(), h.yearKey(), FormKind::F3CEB);
        const Xml3cebReader::Result read = Xml3cebReader::read(path, h.DBObj(), key.form.valueColumns());
        if (!isOfOpenForm(read) || !PanConsent::accepted(read.pans, m_allowOtherPan))
            return false;
        if (!given &&
            prompts().message(
                QStringLiteral("Importing the XML file will delete all the existing data of Form 3CEB "
                               "for selected Client and Year\nAre you sure to continue?"),
                QStringLiteral("Warning"), PromptIcon::Question, PromptButtons::YesNo) != PromptAnswer::Yes)
            return false;
        replaceRows(key, read.rows);
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    }
    prompts().inform(QStringLiteral("XML Imported Successfully."));
    return true;
}
