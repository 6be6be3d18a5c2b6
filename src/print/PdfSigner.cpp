#include "PdfSigner.h"

#include "PdfEngine.h"
#include "PdfFile.h"
#include "PdfModule.h"
#include "base/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PdfSigner
{

namespace
{

QString &storeInUse()
{
    static QString store;
    return store;
}

} // namespace

QString defaultStore()
{
    return QDir::home().filePath(QStringLiteral(".pki/nssdb"));
}

bool useNssStore(const QString &folder, QString *error)
{
    QString reason;
    error = error ? error : &reason;
    const QString plain = folder.startsWith(QLatin1String("sql:")) ? folder.mid(4) : folder;
    const QString dir = QDir(plain.trimmed().isEmpty() ? defaultStore() : plain.trimmed()).absolutePath();
    const QString address = QStringLiteral("sql:") + dir;
    if (!storeInUse().isEmpty()) {
        if (storeInUse() == address)
            return true;
        *error = QStringLiteral("The certificate store [%1] is open. The store [%2] is read when the program "
                                "starts again.")
                     .arg(storeInUse().mid(4), dir);
        return false;
    }
    // NSS would stay on a missing store for the rest of the process, so it is not asked to open one.
    if (!QFileInfo::exists(QDir(dir).filePath(QStringLiteral("cert9.db")))) {
        *error = QStringLiteral("There is no certificate store in [%1].").arg(dir);
        return false;
    }
    const PdfEngine *engine = PdfModule::engine(error);
    if (!engine)
        return false;
    engine->useStore(address);
    storeInUse() = address;
    return true;
}

QString openStore()
{
    return storeInUse().mid(4);
}

QList<Certificate> certificates(const QString &password)
{
    if (storeInUse().isEmpty() && !useNssStore({}))
        return {};
    QString error;
    const PdfEngine *engine = PdfModule::engine(&error);
    return engine ? engine->certificates(password.toUtf8()) : QList<Certificate>{};
}

QString noPagesMessage()
{
    return QStringLiteral("Please Enter Page Nos.");
}

QList<int> parsePages(const QString &text)
{
    QList<int> pages;
    for (const QString &part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 1)
            return {};
        pages << n;
    }
    return pages;
}

QString beforeSignPath(const QString &file)
{
    const QFileInfo info(file);
    const QString stem = info.completeBaseName() + QStringLiteral("_before_sign");
    QString path = info.dir().filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = info.dir().filePath(stem + u'_' + QString::number(n) + QStringLiteral(".pdf"));
    return path;
}

namespace
{

// Refused even where the system would let this user write it: the owner marked it read-only.
bool readOnly(const QFileInfo &info)
{
    return !info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

bool sign(const Request &request, QString *error)
{
    QString reason;
    error = error ? error : &reason;
    const QFileInfo target(request.file);
    if (target.exists() && readOnly(target)) {
        *error = QStringLiteral("The file [%1] is read-only; it was not signed.").arg(request.file);
        return false;
    }
    if (target.exists() && readOnly(QFileInfo(target.absolutePath()))) {
        *error = QStringLiteral("The folder [%1] is read-only; the signed file and the copy of the unsigned "
                                "file cannot be written there.")
                     .arg(target.absolutePath());
        return false;
    }
    const PdfEngine *engine = PdfModule::engine(error);
    if (!engine)
        return false;
    bool locked = false;
    const int pageCount = engine->pageCount(request.file, &locked);
    if (pageCount < 0 || locked) {
        *error = PdfEngine::notReadable();
        return false;
    }
    QList<int> pages;
    switch (request.pages) {
    case Pages::All:
        for (int p = 0; p < pageCount; ++p)
            pages << p;
        break;
    case Pages::Last:
        pages << pageCount - 1;
        break;
    case Pages::Specified:
        for (int n : request.pageNumbers) {
            if (n > pageCount) {
                *error = QStringLiteral("The file has no page ") + QString::number(n) + u'.';
                return false;
            }
            pages << n - 1;
        }
        break;
    }
    if (pages.isEmpty()) {
        *error = noPagesMessage();
        return false;
    }

    const QString before = beforeSignPath(request.file);
    if (!QFile::copy(request.file, before)) {
        *error = OutputFile::writeFailure(QFileInfo(before).absolutePath(),
                                          QStringLiteral("Cannot copy the file to ") + before);
        return false;
    }
    // Each page's signature is an incremental update of the file signed before it; the last
    // one becomes the signed file, which replaces the unsigned one only once it reads back.
    OutputFile out(request.file);
    if (!out.open()) {
        *error = out.errorString();
        return false;
    }
    const QString folder = QFileInfo(request.file).absolutePath();
    QString current = before;
    const QString work = request.file + QStringLiteral(".signing");
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString next =
            i + 1 == pages.size() ? out.temporaryPath() : work + QString::number(pages.at(i));
        const bool signedPage = engine->signPage(current, next, request, pages.at(i), error);
        if (!signedPage)
            *error = OutputFile::writeFailure(folder, *error);
        if (current != before)
            QFile::remove(current);
        if (!signedPage) {
            if (next != out.temporaryPath())
                QFile::remove(next);
            return false;
        }
        current = next;
    }
    if (!out.commit(PdfFile::readsBack)) {
        *error = out.errorString();
        return false;
    }
    return true;
}

} // namespace PdfSigner
