#include "OutputFile.h"

#include "Prompt.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QStorageInfo>
#include <QStringList>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QMutex heldLock;
QStringList &held()
{
    static QStringList paths;
    return paths;
}

// What SQLite keeps beside a database file while it is open.
const char *const companions[] = {"", "-wal", "-shm", "-journal"};

// A path with its folder resolved, so that "a/../b.db" and a link to the folder match.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + u'/' + info.fileName();
}

// One file under two names: the same inode (hard and symbolic links too), or, while neither
// exists, the same resolved path.
bool sameFile(const QString &a, const QString &b)
{
    struct stat sa {
    };
    struct stat sb {
    };
    const bool hasA = ::stat(QFile::encodeName(a).constData(), &sa) == 0;
    const bool hasB = ::stat(QFile::encodeName(b).constData(), &sb) == 0;
    if (hasA && hasB)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return !hasA && !hasB && resolved(a) == resolved(b);
}

bool syncPath(const QString &path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), folder ? O_RDONLY | O_DIRECTORY : O_RDONLY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0 || (folder && errno == EINVAL);
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return synced;
}

} // namespace

OutputFile::OutputFile(const QString &target) : m_target(QFileInfo(target).absoluteFilePath()) {}

OutputFile::~OutputFile()
{
    discard();
}

QString OutputFile::refusal(const QString &target)
{
    if (target.trimmed().isEmpty())
        return QStringLiteral("No file name was given.");
    const QFileInfo info(target);
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    if (info.isDir())
        return QStringLiteral("\"%1\" is a folder, not a file.").arg(shown);
    {
        const QMutexLocker lock(&heldLock);
        for (const QString &path : held()) {
            for (const char *suffix : companions) {
                if (sameFile(target, path + QLatin1String(suffix)))
                    return QStringLiteral("\"%1\" is a file the program has open (the database or a file it "
                                          "reads); choose another file.")
                        .arg(shown);
            }
        }
    }
    if (info.exists() && !info.isWritable())
        return QStringLiteral("\"%1\" is read-only.").arg(shown);
    return {};
}

bool OutputFile::confirmReplace(const QString &target)
{
    const QString refused = refusal(target);
    if (!refused.isEmpty()) {
        prompts().message(refused, {}, PromptIcon::Warning, PromptButtons::Ok);
        return false;
    }
    return !QFileInfo::exists(target) ||
           prompts().askYesNo(QStringLiteral("File Already Exists, Do you want to overwrite?"));
}

void OutputFile::holdOpen(const QString &path)
{
    const QMutexLocker lock(&heldLock);
    held().append(QFileInfo(path).absoluteFilePath());
}

void OutputFile::release(const QString &path)
{
    const QMutexLocker lock(&heldLock);
    held().removeOne(QFileInfo(path).absoluteFilePath());
}

QString OutputFile::writeFailure(const QString &folder, const QString &detail)
{
    // A failed write leaves what it managed on the disk, so a full disk shows as next to no
    // space left; whatever errno said is gone by the time a library reports its failure.
    QStorageInfo storage(folder);
    storage.refresh();
    if (storage.isValid() && storage.bytesAvailable() < 64 * 1024)
        return QStringLiteral("The disk is full (%1).").arg(QDir::toNativeSeparators(folder));
    return detail;
}

bool OutputFile::fail(const QString &why)
{
    m_error = writeFailure(QFileInfo(m_target).absolutePath(), why);
    discard();
    return false;
}

bool OutputFile::open()
{
    if (const QString refused = refusal(m_target); !refused.isEmpty()) {
        m_error = refused;
        return false;
    }
    const QFileInfo info(m_target);
    m_file = std::make_unique<QTemporaryFile>(
        info.absoluteDir().filePath(u'.' + info.fileName() + QStringLiteral(".XXXXXX")));
    if (!m_file->open())
        return fail(QStringLiteral("Cannot write in \"%1\": %2")
                        .arg(QDir::toNativeSeparators(info.absolutePath()), m_file->errorString()));
    return true;
}

QFile &OutputFile::device()
{
    return *m_file;
}

QString OutputFile::temporaryPath() const
{
    return m_file ? m_file->fileName() : QString();
}

bool OutputFile::commit(const Check &check)
{
    if (!m_file) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("Nothing was written.");
        return false;
    }
    const QString path = m_file->fileName();
    const QString shown = QDir::toNativeSeparators(m_target);
    if (m_file->isOpen()) {
        const bool written = m_file->flush() && m_file->error() == QFileDevice::NoError;
        const QString why = m_file->errorString();
        m_file->close();
        if (!written)
            return fail(QStringLiteral("Cannot write \"%1\": %2").arg(shown, why));
    }
    if (!syncPath(path, false))
        return fail(
            QStringLiteral("Cannot write \"%1\": %2").arg(shown, QString::fromLocal8Bit(strerror(errno))));
    if (check) {
        const QString wrong = check(path);
        if (!wrong.isEmpty())
            return fail(wrong);
    }
    // The new file gets the old one's permissions, or those a new file would have.
    const QFileInfo old(m_target);
    if (old.exists()) {
        QFile::setPermissions(path, QFile::permissions(m_target));
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(QFile::encodeName(path).constData(), 0666 & ~mask);
    }
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(m_target).constData()) != 0)
        return fail(
            QStringLiteral("Cannot replace \"%1\": %2").arg(shown, QString::fromLocal8Bit(strerror(errno))));
    m_file->setAutoRemove(false);
    m_file.reset();
    syncPath(old.absolutePath(), true);
    return true;
}

void OutputFile::discard()
{
    if (!m_file)
        return;
    m_file->close();
    QFile::remove(m_file->fileName());
    m_file->setAutoRemove(false);
    m_file.reset();
}
