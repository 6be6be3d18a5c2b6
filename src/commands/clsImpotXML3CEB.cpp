#include "clsImpotXML3CEB.h"

#include "PanConsent.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "catalogue/Form3cebCatalogue.h"
#include "efiling/EfilingExport.h"
#include "efiling/xml3ceb/Xml3cebCarried.h"
#include "efiling/xml3ceb/Xml3cebReader.h"
#include "host/HostContext.h"
#include "store/ClauseStore.h"
#include "store/ClauseTables.h"
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

QString notOfForm(FormKind edited)
{
    switch (edited) {
    case FormKind::F3CA:
        return QStringLiteral("Selected XML File is not a Form 3CA-3CD XML File");
    case FormKind::F3CB:
        return QStringLiteral("Selected XML File is not a Form 3CB-3CD XML File");
    default:
        return QStringLiteral("Selected XML File is not a Form FORM 3CEB XML File");
    }
}

QString formNameOf(FormKind edited)
{
    return edited == FormKind::F3CA || edited == FormKind::F3CB ? EfilingExport::formRoot(edited)
                                                                : Form3cebCatalogue::instance().formName();
}

// The file's form name against the form being edited; false after telling the user.
bool isOfOpenForm(const Xml3cebReader::Result &read, FormKind edited)
{
    if (read.status == Xml3cebReader::Status::Unreadable) {
        prompts().message(read.failure, kError, PromptIcon::Critical);
        return false;
    }
    if (read.status == Xml3cebReader::Status::NoFormName) {
        prompts().message(QStringLiteral("Invalid XML File"), kError, PromptIcon::Critical);
        return false;
    }
    if (read.formName != formNameOf(edited)) {
        prompts().inform(notOfForm(edited));
        return false;
    }
    // The department's Form 3CA-3CD and 3CB-3CD files are JSON now; an XML one is of years
    // whose layout this program does not read.
    if (edited == FormKind::F3CA || edited == FormKind::F3CB) {
        prompts().inform(QStringLiteral("A Form %1-3CD report is imported from its e-filing JSON file.")
                             .arg(edited == FormKind::F3CA ? QStringLiteral("3CA") : QStringLiteral("3CB")));
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
    db.Execute(ClauseTables::deleteReportRows(key.form.clauseTable), {key.client, key.yearKey});
    ClauseStore::insertStoredRows(key, report);
    change.commit();
}

} // namespace

bool clsImpotXML3CEB::ImportXML(const QString &file)
{
    return ImportXML(file, moduleState().formKind);
}

bool clsImpotXML3CEB::ImportXML(const QString &file, FormKind edited)
{
    const bool given = !file.isEmpty();
    const QString path = given ? file : chooseFile();
    if (path.isEmpty())
        return false;
    try {
        HostContext &h = host();
        const ReportKey key = ReportKey::of(h.Temp_Code(), h.yearKey(), FormKind::F3CEB);
        const Xml3cebReader::Result read = Xml3cebReader::read(path, h.DBObj(), key.form.valueColumns());
        if (!isOfOpenForm(read, edited) || !PanConsent::accepted(read.pans, m_allowOtherPan))
            return false;
        if (!given &&
            prompts().message(
                QStringLiteral("Importing the XML file will delete all the existing data of Form 3CEB "
                               "for selected Client and Year\n") +
                    SharedMessages::sureToContinue(),
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
