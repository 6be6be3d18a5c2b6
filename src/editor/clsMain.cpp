#include "clsMain.h"

#include "base/SharedMessages.h"

#include "Form3CD.h"
#include "base/OutputFile.h"
#include "base/Prompt.h"
#include "commands/JsonGeneration.h"
#include "commands/clsExportXML3CEB.h"
#include "commands/clsImportJSON.h"
#include "dialogs/PendingWindow.h"
#include "dialogs/frmBulkXMLImport.h"
#include "dialogs/frmeflvalidXML.h"
#include "efiling/EfilingExport.h"
#include "efiling/Form10bbEnvelope.h"
#include "host/AuditFiling.h"
#include "host/HostContext.h"
#include "model/FormSwitch.h"
#include "print/FilingStatusReport.h"
#include "print/ReportEngine.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QDate>
#include <QDir>
#include <QFile>

namespace
{

// The forms whose XML files OpenForm checks: Form 61, 61A and 61B on index -3, the
// others on index -1.
FormKind kindOfXmlForm(int index, const QString &formName)
{
    const FormKind kind = ModuleState::kindOfCode(formName);
    static const QList<FormKind> eAir{FormKind::F61, FormKind::F61A, FormKind::F61B};
    static const QList<FormKind> others{FormKind::F10B, FormKind::F10BB, FormKind::F6B, FormKind::F29B,
                                        FormKind::F29C};
    return (index == -3 ? eAir : others).contains(kind) ? kind : FormKind::None;
}

// Where the installation keeps the published schema of a form whose XML file is checked:
// Forms 61, 61A and 61B (index -3) under eAIR, the others beside the Form 3CEB schema.
QString xmlSchemaFolder(int index, FormKind kind)
{
    const QString code = ModuleState::codeOf(kind);
    if (index == -3)
        return QDir(host().ExePath()).filePath(QStringLiteral("eAIR/XmlSch2023/FORM") + code);
    const QString folder = QDir::cleanPath(clsExportXML3CEB::schemaFolder());
    if (kind == FormKind::F29B || kind == FormKind::F29C)
        return QDir(folder).filePath(QStringLiteral("FORM") + code);
    return folder;
}

// Creates a folder one level at a time below an existing base.
void makeLevels(const QString &base, const QStringList &levels)
{
    QString path = base;
    for (const QString &level : levels) {
        path = QDir(path).filePath(level);
        if (!QDir(path).exists())
            QDir().mkdir(path);
    }
}

} // namespace

clsMain::clsMain(QObject *parent) : QObject(parent)
{
    if (!host().CheckDllsVersion(true))
        prompts().message(
            QStringLiteral(
                "File [TalvexBase.dll] is not compatible. Please update the latest software properly."),
            {}, PromptIcon::Critical);
}

void clsMain::setVCanImpPrev(bool value)
{
    moduleState().canImportPrevious = value;
}

void clsMain::prepareClientFolders()
{
    HostContext &h = host();
    const QString code = h.Temp_Code();
    const QString year = h.yearKey();
    QDir().mkpath(h.DocPath());
    makeLevels(h.DocPath(), {QStringLiteral("Annex3CD"), code, year});
    makeLevels(h.DocPath(), {QStringLiteral("Files"), code, QStringLiteral("3CDRETS"), year});
    ModuleState &m = moduleState();
    m.annexFolder = h.annexFolder();
    m.returnsFolder = QDir(h.DocPath()).filePath(QStringLiteral("Files/%1/3CDRETS/%2").arg(code, year));
}

bool clsMain::OpenForm(int index, const QString &VarAudType, const QString &VarFrmNm,
                       const QString &VarXmlPath, QObject *, bool FlagITCall, const QString &)
{
    try {
        HostContext &h = host();
        ModuleState &m = moduleState();
        m.calledFromReturnFiling = FlagITCall;

        if (index == -1) {
            if (!h.GetAuditorDet(VarAudType, h.yearKey(), h.Temp_Code())) {
                prompts().inform(QStringLiteral("Please select an 'Auditor'."));
                h.AuditorDet(h.yearKey(), h.Temp_Code());
                if (!h.GetAuditorDet(VarAudType, h.yearKey(), h.Temp_Code()))
                    return false;
            }
            h.InitTempArray();
        }
        prepareClientFolders();

        switch (index) {
        case 0:
        case 1:
        case 2:
            return openReportEditor(index);
        case -1:
        case -3:
            return checkXmlFile(index, VarFrmNm, VarXmlPath);
        case -2:
        case 3:
        case 4:
            showPending(QStringLiteral("e-Filing"), PendingWindow::onlineServicesText());
            return true;
        default:
            return false;
        }
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    }
}

bool clsMain::openReportEditor(int index)
{
    HostContext &h = host();
    ModuleState &m = moduleState();
    const FormKind kind = index == 0 ? FormKind::F3CA : index == 1 ? FormKind::F3CB : FormKind::F3CEB;
    m.openForm(kind, h.yearKey());
    if (kind != FormKind::F3CEB) {
        Recordset rs =
            h.DBObj().Execute(QStringLiteral("SELECT Col1 FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=2 AND "
                                             "FormName='3CD' AND PointNo='8a'")
                                  .arg(m.clauseTable),
                              {h.Temp_Code(), h.yearKey()});
        m.opted115BAA = !rs.Eof() && rs.Fields(0) == QLatin1String("115BAA");
        if (!FormSwitch::transfer())
            return false;
    }
    Form3CD *editor = Form3CD::instance();
    editor->show();
    editor->raise();
    editor->activateWindow();
    return true;
}

bool clsMain::checkXmlFile(int index, const QString &formName, const QString &xmlPath)
{
    const FormKind kind = kindOfXmlForm(index, formName);
    if (kind == FormKind::None) {
        prompts().inform(
            QStringLiteral("[%1] is not a form whose XML file can be checked here.").arg(formName));
        return false;
    }
    ModuleState &m = moduleState();
    m.formKind = kind;
    m.formCode = ModuleState::codeOf(kind);
    if (!QFile::exists(xmlPath)) {
        prompts().inform(QStringLiteral("File not found: \"%1\".").arg(xmlPath));
        return false;
    }
    HostContext &h = host();
    const QString folder = xmlSchemaFolder(index, kind);
    if (frmeflvalidXML::ValidFile(h.FirstDate().right(4).toInt(), folder, xmlPath) == 1) {
        prompts().inform(SharedMessages::invalidFile());
        return false;
    }
    const QString done = QStringLiteral("XML Generated Succesfully to \"%1\".").arg(xmlPath);
    if (index != -1) {
        prompts().inform(done);
        return true;
    }
    if (prompts().askYesNo(done + QStringLiteral("\nDo you want to upload the file now?")))
        showPending(QStringLiteral("e-Filing"),
                    PendingWindow::onlineServicesText() + QStringLiteral("\nThe file lies at ") + xmlPath);
    return true;
}

void clsMain::showPending(const QString &title, const QString &text)
{
    auto *window = new PendingWindow(title, text);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void clsMain::Show3CDReport(int FYear, const QString &RFlag)
{
    const AuditFiling::Listed listed = AuditFiling::listedOf(RFlag);
    const QString yearKey = QString::number(FYear);
    try {
        const QList<AuditFiling::Entry> entries = AuditFiling::list(host().DBObj(), yearKey, listed);
        ReportEngine engine;
        FilingStatusReport::build(engine, AuditFiling::titleOf(listed), yearKey, entries);
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void clsMain::ShowBulkXMLImport()
{
    auto *window = new frmBulkXMLImport(&clsImportJSON::importFile);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

QWidget *clsMain::ObjOlActUDIN()
{
    return PendingWindow::generateUdin();
}

QWidget *clsMain::ObjValidateUDIN()
{
    return new PendingWindow(QStringLiteral("Validate UDIN"), PendingWindow::onlineServicesText());
}

void clsMain::ShowUDINReport(int FYear, const QString &RFlag)
{
    showPending(QStringLiteral("UDIN Report %1 [%2]").arg(FYear).arg(RFlag),
                PendingWindow::onlineServicesText());
}

bool clsMain::Form10BExportJSON(const QString &formName, const QString &namePrefix, const QString &bodyFile,
                                const QString &filingType)
{
    HostContext &h = host();
    ModuleState &m = moduleState();
    const bool is10BB = ModuleState::kindOfCode(formName) == FormKind::F10BB;
    m.formKind = is10BB ? FormKind::F10BB : FormKind::F10B;
    m.formCode = ModuleState::codeOf(m.formKind);

    const QString defaultName = EfilingExport::fileName(namePrefix, m.formCode, h.yearKey());
    const QString target = prompts().saveFile(
        SharedMessages::saveJsonTitle(), SharedMessages::jsonFilter(),
        QDir(m.returnsFolder.isEmpty() ? h.DocPath() : m.returnsFolder).filePath(defaultName));
    if (target.isEmpty() || !OutputFile::confirmReplace(target))
        return false;
    QFile source(bodyFile);
    if (!source.open(QIODevice::ReadOnly)) {
        prompts().inform(QStringLiteral("File not found: \"%1\".").arg(bodyFile));
        return false;
    }
    QString body = QString::fromUtf8(source.readAll());
    source.close();

    if (is10BB) {
        const int refYear = h.FirstDate().right(4).toInt() + 1;
        const QString today = h.XmlDateOut(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        body = Form10bbEnvelope::wrap(body, filingType, refYear, today);
    }
    OutputFile out(target);
    if (out.open())
        out.device().write(body.toUtf8());
    if (!out.commit()) {
        prompts().inform(SharedMessages::failedToUpdateJson() + u'\n' + out.errorString());
        return false;
    }

    if (prompts().askYesNo(JsonGeneration::uploadQuestion(target), JsonGeneration::uploadTitle()))
        showPending(QStringLiteral("e-Filing"),
                    PendingWindow::onlineServicesText() + QStringLiteral("\nThe file lies at ") + target);
    return true;
}
