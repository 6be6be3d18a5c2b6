#include "OfficeToPdf.h"

#include "PdfFile.h"
#include "base/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace OfficeToPdf
{

namespace
{

QString office()
{
    for (const char *name : {"soffice", "libreoffice"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

void fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
}

// A document converted must not reach out: images and other objects it links to are not
// fetched, from the network or from files. LibreOffice refuses links from documents outside
// its trusted locations when told so in its profile.
void blockLinks(const QString &profile)
{
    static const QByteArray item =
        "<item oor:path=\"/org.openoffice.Office.Common/Security/Scripting\">"
        "<prop oor:name=\"BlockUntrustedRefererLinks\" oor:op=\"fuse\"><value>true</value></prop></item>\n";
    const QString path = QDir(profile).filePath(QStringLiteral("user/registrymodifications.xcu"));
    QFile file(path);
    QByteArray text;
    if (file.open(QIODevice::ReadOnly))
        text = file.readAll();
    file.close();
    if (text.contains(item))
        return;
    const qsizetype end = text.lastIndexOf("</oor:items>");
    if (end < 0)
        text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<oor:items xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
               "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
               "xmlns:oor=\"http://openoffice.org/2001/registry\">\n" +
               item + "</oor:items>\n";
    else
        text.insert(end, item);
    QDir().mkpath(QFileInfo(path).absolutePath());
    OutputFile out(path);
    if (out.open())
        out.device().write(text);
    out.commit();
}

// LibreOffice run where it has no network at all, when the system lets a user make a
// namespace of its own: a link the profile's setting misses still reaches nothing.
QStringList withoutNetwork(const QString &program, const QStringList &arguments)
{
    static const QString unshare = [] {
        const QString found = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        return !found.isEmpty() &&
                       QProcess::execute(found, {QStringLiteral("-rn"), QStringLiteral("true")}) == 0
                   ? found
                   : QString();
    }();
    if (unshare.isEmpty())
        return QStringList{program} + arguments;
    return QStringList{unshare, QStringLiteral("-rn"), program} + arguments;
}

} // namespace

QString unavailable()
{
    return office().isEmpty() ? QStringLiteral("LibreOffice is not installed: Word and Excel files cannot be "
                                               "converted to PDF.")
                              : QString();
}

QString pdfBeside(const QString &source)
{
    const QFileInfo info(source);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
}

bool convert(const QString &source, const QString &pdf, QString *error)
{
    const QString program = office();
    if (program.isEmpty()) {
        fail(error, unavailable());
        return false;
    }
    const QFileInfo input(source);
    const OutputFile::Held reading(input.absoluteFilePath());
    if (!input.isFile() || !input.isReadable()) {
        fail(error, QStringLiteral("Cannot read \"%1\".").arg(QDir::toNativeSeparators(source)));
        return false;
    }
    // A profile of the program's own, so that a LibreOffice the accountant has open does not
    // take the job over (or lock it out); it is kept, because making one costs LibreOffice
    // several seconds, and one conversion at a time uses it. The output goes into a folder
    // of its own, so that nothing beside the source is touched until the PDF is whole.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString profile = QDir(cache).filePath(QStringLiteral("talvex/office-profile"));
    QDir().mkpath(profile);
    QLockFile inUse(profile + QStringLiteral(".lock"));
    inUse.setStaleLockTime(0);
    if (!inUse.tryLock(180000)) {
        fail(error, QStringLiteral("Another conversion to PDF is still running; try again in a moment."));
        return false;
    }
    blockLinks(profile);
    QTemporaryDir work;
    if (!work.isValid()) {
        fail(error, work.errorString());
        return false;
    }
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList command = withoutNetwork(
        program, {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(),
                  QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                  QStringLiteral("pdf"), QStringLiteral("--outdir"), work.filePath(QStringLiteral("out")),
                  input.absoluteFilePath()});
    run.start(command.first(), command.mid(1));
    if (!run.waitForFinished(120000)) {
        run.kill();
        run.waitForFinished();
        fail(error, QStringLiteral("LibreOffice did not finish converting \"%1\".").arg(input.fileName()));
        return false;
    }
    const QString made = QDir(work.filePath(QStringLiteral("out")))
                             .filePath(input.completeBaseName() + QStringLiteral(".pdf"));
    if (run.exitStatus() != QProcess::NormalExit || !QFile::exists(made)) {
        fail(error, QStringLiteral("LibreOffice could not convert \"%1\": %2")
                        .arg(input.fileName(), QString::fromLocal8Bit(run.readAll()).trimmed()));
        return false;
    }
    QFile result(made);
    OutputFile out(pdf);
    if (out.open() && result.open(QIODevice::ReadOnly)) {
        while (!result.atEnd() && out.device().write(result.read(1 << 20)) >= 0) {
        }
    }
    if (!out.commit(PdfFile::readsBack)) {
        fail(error, out.errorString());
        return false;
    }
    return true;
}

} // namespace OfficeToPdf
