#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace
{
const QString fillerName = QStringLiteral("filler.bin");
}

SmallDisk::SmallDisk()
{
    QProcess mount;
    mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                          QStringLiteral("size=2m"), QStringLiteral("tmpfs"), m_dir.path()});
    if (!mount.waitForFinished(10000) || mount.exitStatus() != QProcess::NormalExit ||
        mount.exitCode() != 0) {
        m_unavailable = QStringLiteral("A small tmpfs cannot be mounted here (%1); the full-disk cases are "
                                       "skipped.")
                            .arg(QString::fromLocal8Bit(mount.readAllStandardError()).trimmed());
        return;
    }
    m_mounted = true;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
}

void SmallDisk::fill()
{
    QFile filler(m_dir.filePath(fillerName));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    // What a whole block no longer fits into, byte by byte.
    while (filler.write("x", 1) == 1) {
    }
}

QStringList SmallDisk::files() const
{
    QStringList names = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    names.removeAll(fillerName);
    return names;
}
