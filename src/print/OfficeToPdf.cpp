#include "OfficeToPdf.h"

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
    QTemporaryDir work;
    if (!work.isValid()) {
        fail(error, work.errorString());
        return false;
    }
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(program, {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(),
                        QStringLiteral("--headless"), QStringLiteral("--norestore"),
                        QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
                        work.filePath(QStringLiteral("out")), input.absoluteFilePath()});
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
    if (QFile::exists(pdf) && !QFile::remove(pdf)) {
        fail(error, QStringLiteral("Cannot replace \"%1\".").arg(QDir::toNativeSeparators(pdf)));
        return false;
    }
    if (!QFile::copy(made, pdf)) {
        fail(error, QStringLiteral("Cannot write \"%1\".").arg(QDir::toNativeSeparators(pdf)));
        return false;
    }
    return true;
}

} // namespace OfficeToPdf
