#include "JsonGeneration.h"

#include "base/OutputFile.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "host/HostContext.h"
#include "store/ModuleState.h"

#include <QDir>

namespace JsonGeneration
{

QString chooseFile(const ReportKey &report)
{
    HostContext &h = host();
    const QString folder = moduleState().returnsFolder.isEmpty() ? h.DocPath() : moduleState().returnsFolder;
    const QString file = prompts().saveFile(SharedMessages::saveJsonTitle(), SharedMessages::jsonFilter(),
                                            QDir(folder).filePath(EfilingExport::defaultFileName(
                                                report.form.formKind, h.vAsPAN(), report.yearKey)));
    return !file.isEmpty() && OutputFile::confirmReplace(file) ? file : QString();
}

EfilingExport::Result write(const ReportKey &report, const QString &file, const QString &filingType)
{
    return EfilingExport::writeReport(report, file, filingType);
}

QString uploadQuestion(const QString &file)
{
    return QStringLiteral("JSON Generated Succesfully to \n%1\nDo you want to upload the file now?")
        .arg(file);
}

QString uploadTitle()
{
    return QStringLiteral(" Confirmation");
}

QString askUpload(const QString &file)
{
    const int choice = prompts().choose(
        uploadTitle(), uploadQuestion(file),
        {QStringLiteral("No"), QStringLiteral("Yes, Original"), QStringLiteral("Yes, Revised")});
    return choice == 1 ? QStringLiteral("Y|O") : choice == 2 ? QStringLiteral("Y|R") : QStringLiteral("N");
}

bool prepareUpload(const QString &file, const QString &filingType, const ReportKey &report)
{
    if (!EfilingExport::wrapForUpload(file, filingType, report)) {
        prompts().inform(SharedMessages::failedToUpdateJson());
        return false;
    }
    // The online filing service would take the file from here; it is not part of this installation.
    prompts().inform(
        QStringLiteral("The file is ready for upload as %1 filing:\n%2\nUpload it on the income-tax "
                       "e-filing portal (online filing is not part of this installation).")
            .arg(filingType == QLatin1String("R") ? QStringLiteral("a revised")
                                                  : QStringLiteral("an original"),
                 QDir::toNativeSeparators(file)));
    return true;
}

} // namespace JsonGeneration
