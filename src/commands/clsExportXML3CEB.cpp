#include "clsExportXML3CEB.h"

#include "base/SharedMessages.h"

#include "base/IdentityChecks.h"
#include "base/OutputFile.h"
#include "base/Prompt.h"
#include "catalogue/Form3cebCatalogue.h"
#include "efiling/XmlInput.h"
#include "efiling/xml3ceb/Xml3cebWriter.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QDir>
#include <QFile>

clsExportXML3CEB::clsExportXML3CEB(Check check) : m_check(std::move(check)) {}

QString clsExportXML3CEB::defaultFileName(const QString &pan, const QString &yearKey)
{
    // The PAN comes from the client master as typed: only a real one goes into a file name.
    if (!IdentityChecks::ValidPan(pan))
        return QStringLiteral("3CEB_") + yearKey + QStringLiteral(".xml");
    return QStringLiteral("3CEB_") + pan + u'_' + yearKey + QStringLiteral(".xml");
}

namespace
{

// The document as written parses to its last element.
QString readsBack(const QString &path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    const std::optional<QString> fault = XmlInput::notWellFormed(in.readAll());
    return fault ? QStringLiteral("The XML written does not read back: ") + *fault : QString();
}

} // namespace

QString clsExportXML3CEB::schemaFolder()
{
    return QDir(host().ExePath()).filePath(QStringLiteral("3CDFiles/XmlSchema")) + u'/';
}

QString clsExportXML3CEB::onlineFilingUnavailable()
{
    return QStringLiteral("Filing Form 3CEB online is not available in this version.");
}

QString clsExportXML3CEB::schemaPath()
{
    return schemaFolder() + Form3cebCatalogue::instance().schemaFile();
}

bool clsExportXML3CEB::write(const ReportModel &report, const QString &path, QString &failure,
                             const QDate &today)
{
    OutputFile file(path);
    if (file.open())
        file.device().write(Xml3cebWriter::document(report, today));
    if (!file.commit(readsBack)) {
        failure = file.errorString();
        return false;
    }
    return true;
}

bool clsExportXML3CEB::GenerateXML()
{
    HostContext &h = host();
    const QString folder = moduleState().returnsFolder.isEmpty() ? h.DocPath() : moduleState().returnsFolder;
    const QString path =
        prompts().saveFile(QStringLiteral("Save XML File"), QStringLiteral("XML Files|*.xml"),
                           QDir(folder).filePath(defaultFileName(h.vAsPAN(), h.yearKey())));
    if (path.isEmpty())
        return false;
    if (!OutputFile::confirmReplace(path))
        return false;
    QString failure;
    try {
        if (!write(*ReportModel::load(), path, failure)) {
            prompts().message(failure, {}, PromptIcon::Critical);
            return false;
        }
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    }
    if (m_check(path) != 0) {
        prompts().inform(SharedMessages::invalidFile());
        return false;
    }
    if (prompts().askYesNo(
            QStringLiteral("XML Generated Succesfully to \"%1\"\nDo you want to upload the file now?")
                .arg(QDir::toNativeSeparators(path))))
        prompts().inform(onlineFilingUnavailable());
    return true;
}
