#include "clsExportJSON.h"

#include "ClauseBlockWriter.h"
#include "CodeLookups.h"
#include "DeclarationWriter.h"
#include "EfilingValues.h"
#include "JsonLineWriter.h"
#include "ReportRows.h"
#include "UploadEnvelope.h"
#include "WriteContext.h"
#include "frmUploadMsg.h"
#include "frmeflvalid.h"
#include "host/HostContext.h"
#include "host/IdentityChecks.h"
#include "host/Prompt.h"
#include "host/clsMain.h"
#include "pages/ClauseCatalogue.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace
{

bool isForm3CB()
{
    return moduleState().formKind == FormKind::F3CB;
}

void writeFrame(JsonLineWriter &w, const QDate &today)
{
    HostContext &h = host();
    w.openObject(QStringLiteral("CreationInfo"));
    w.text(QStringLiteral("SWVersionNo"), clsMain::MyDllVersion());
    w.text(QStringLiteral("SWCreatedBy"), QStringLiteral("SW90000417"));
    w.text(QStringLiteral("JSONCreatedBy"), QStringLiteral("SW90000417"));
    w.text(QStringLiteral("JSONCreationDate"), today.toString(QStringLiteral("yyyy-MM-dd")));
    w.text(QStringLiteral("IntermediaryCity"), QStringLiteral("VELMORA"));
    w.close();

    w.openObject(QStringLiteral("Form_Details"));
    if (isForm3CB()) {
        w.text(QStringLiteral("FormName"), QStringLiteral("FORM3CB"));
        w.text(QStringLiteral("Description"),
               QStringLiteral(
                   "Audit report under Section 44AB of the Income-tax Act, 1961 in the case of a person "
                   "referred to in clause (b) of sub-rule (1) of rule 6G"));
    } else {
        w.text(QStringLiteral("FormName"), QStringLiteral("FORM3CA "));
        w.text(
            QStringLiteral("Description"),
            QStringLiteral("Audit report under section 44AB of the Income-tax Act, 1961, in a case where the "
                           "accounts of the business or profession of a person have been audited under any "
                           "other law"));
    }
    w.text(QStringLiteral("AssessmentYear"), QString::number(EfilingValues::assessmentYear(h.FirstDate())));
    w.text(QStringLiteral("SchemaVer"), QStringLiteral("Ver2.1"));
    w.text(QStringLiteral("FormVer"), QStringLiteral("1.0"));
    w.close();
}

} // namespace

QString clsExportJSON::formRoot()
{
    return isForm3CB() ? QStringLiteral("FORM3CB") : QStringLiteral("FORM3CA");
}

QString clsExportJSON::formKey()
{
    return isForm3CB() ? QStringLiteral("F3CB") : QStringLiteral("F3CA");
}

QString clsExportJSON::defaultFileName()
{
    HostContext &h = host();
    // The PAN comes from the client master as typed: only a real PAN goes into a file name.
    const QString pan = h.vAsPAN();
    if (!IdentityChecks::ValidPan(pan))
        return QStringLiteral("%1_%2.json").arg(moduleState().formCode, h.yearKey());
    return QStringLiteral("%1_%2_%3.json").arg(moduleState().formCode, pan, h.yearKey());
}

QString clsExportJSON::schemaFolder()
{
    return QDir(host().ExePath())
        .filePath(isForm3CB() ? QStringLiteral("3CDFiles/JSONSchema/FORM3CB3CD")
                              : QStringLiteral("3CDFiles/JSONSchema/FORM3CA3CD"));
}

QByteArray clsExportJSON::compose(const QDate &today)
{
    JsonLineWriter w;
    compose(w, today);
    return w.bytes();
}

void clsExportJSON::compose(JsonLineWriter &w, const QDate &today)
{
    const CodeLookups::ScopedCache lookups;
    const ReportRows rows = ReportRows::load();
    const WriteContext ctx(rows, ClauseCatalogue::instance(), moduleState().formCode);
    w.openObject(formRoot());
    w.openObject(formKey());
    writeFrame(w, today);
    if (isForm3CB())
        DeclarationWriter::writeForm3CB(w, rows);
    else
        DeclarationWriter::writeForm3CA(w, rows);
    for (int writer = 1; writer <= 4; ++writer)
        ClauseBlockWriter::write(w, ctx, writer);

    // Clause 8a: the concessional-tax option and its section.
    const bool assigned = EfilingValues::isYes(rows.value(2, QStringLiteral("Opt8a")));
    w.text(QStringLiteral("assignFlag"), assigned ? QStringLiteral("Y") : QStringLiteral("N"));
    if (assigned)
        w.text(QStringLiteral("type"), rows.value(2, QStringLiteral("8a")));
    w.close();
    w.close();
}

bool clsExportJSON::chooseFile()
{
    HostContext &h = host();
    const QString folder = moduleState().returnsFolder.isEmpty() ? h.DocPath() : moduleState().returnsFolder;
    m_file = prompts().saveFile(QStringLiteral("Save JSON File"), QStringLiteral("JSON Files|*.json"),
                                QDir(folder).filePath(defaultFileName()));
    if (m_file.isEmpty())
        return false;
    if (!QFile::exists(m_file))
        return true;
    if (!prompts().askYesNo(QStringLiteral("File Already Exists, Do you want to overwrite?")))
        return false;
    QFile::remove(m_file);
    if (QFile::exists(m_file)) {
        prompts().inform(QStringLiteral("Existing file could not deleted, Delete manually and try again."));
        return false;
    }
    return true;
}

bool clsExportJSON::writeFile()
{
    QFile out(m_file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        prompts().message(QStringLiteral("Cannot write [%1]: %2").arg(m_file, out.errorString()), {},
                          PromptIcon::Critical);
        return false;
    }
    JsonLineWriter w;
    try {
        compose(w, QDate::currentDate());
    } catch (...) {
        // The file keeps what was written before the fault.
        out.write(w.bytes());
        throw;
    }
    out.write(w.bytes());
    return true;
}

void clsExportJSON::wrapForUpload(const QString &filingType)
{
    QFile in(m_file);
    if (!in.open(QIODevice::ReadOnly)) {
        prompts().inform(QStringLiteral("Failed to Update JSON File."));
        return;
    }
    const QString document = QString::fromUtf8(in.readAll());
    in.close();
    QFile::remove(m_file);
    QFile out(m_file);
    if (QFile::exists(m_file) || !out.open(QIODevice::WriteOnly)) {
        prompts().inform(QStringLiteral("Failed to Update JSON File."));
        return;
    }
    out.write(UploadEnvelope::wrap(document, filingType, EfilingValues::assessmentYear(host().FirstDate()),
                                   formKey() + QStringLiteral("-3CD"))
                  .toUtf8());
    out.close();
    // The online filing service would take the file from here; it is not part of this installation.
    prompts().inform(
        QStringLiteral("The file is ready for upload as %1 filing:\n%2\nUpload it on the income-tax "
                       "e-filing portal (online filing is not part of this installation).")
            .arg(filingType == QLatin1String("R") ? QStringLiteral("a revised")
                                                  : QStringLiteral("an original"),
                 QDir::toNativeSeparators(m_file)));
}

void clsExportJSON::GenerateJSON([[maybe_unused]] const QString &mode)
{
    m_upload.clear();
    m_outcome = Outcome::NotWritten;
    try {
        if (!chooseFile() || !writeFile())
            return;
        const int firstYear = host().FirstDate().right(4).toInt();
        if (frmeflvalid::ValidFile(firstYear, schemaFolder(), m_file) == 1) {
            m_outcome = Outcome::Invalid;
            prompts().message(QStringLiteral("Invalid File."), moduleState().formCode);
            return;
        }
        m_outcome = Outcome::Valid;
        m_upload = frmUploadMsg::ask(QDir::toNativeSeparators(m_file));
        if (m_upload.startsWith(QLatin1String("Y|")))
            wrapForUpload(m_upload.mid(2));
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    } catch (const std::exception &e) {
        prompts().message(QString::fromUtf8(e.what()), {}, PromptIcon::Critical);
    }
}
