#include "ZipExtractor.h"

#include "efiling/ZipLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace ZipExtractor
{

namespace
{

const ZipLibrary &libzip()
{
    return ZipLibrary::instance();
}

struct Archive {
    zip_t *handle = nullptr;
    ~Archive()
    {
        if (handle)
            libzip().discard(handle);
    }
};

struct Entry {
    zip_t *archive;
    zip_file_t *file = nullptr;
    ~Entry()
    {
        if (file)
            libzip().fclose(file);
    }
};

// Unix link entries carry the file type in the upper bits of their external attributes.
bool isLink(zip_t *archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (libzip().externalAttributes(archive, index, 0, &system, &attributes) != 0)
        return false;
    constexpr zip_uint32_t kTypeMask = 0170000;
    constexpr zip_uint32_t kLink = 0120000;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & kTypeMask) == kLink;
}

// An archive may hold two entries of the same name: the later one is kept beside the
// first as "name (2).json" rather than written over it.
QString unusedName(const QString &relative, QSet<QString> &taken)
{
    QString name = relative;
    const QFileInfo info(relative);
    const QString folder = info.path() == QLatin1String(".") ? QString() : info.path() + u'/';
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    for (int n = 2; taken.contains(name.toLower()); ++n)
        name = QStringLiteral("%1%2 (%3)%4").arg(folder, info.completeBaseName()).arg(n).arg(suffix);
    taken.insert(name.toLower());
    return name;
}

} // namespace

QString safeRelativePath(const QString &entryName)
{
    QString name = entryName;
    name.replace(u'\\', u'/');
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (name.startsWith(u'/') || drive.match(name).hasMatch() || name.contains(QChar(0)))
        return {};
    QStringList parts;
    for (const QString &part : name.split(u'/')) {
        if (part == QLatin1String(".."))
            return {};
        if (!part.isEmpty() && part != QLatin1String("."))
            parts << part;
    }
    return parts.join(u'/');
}

QString extract(const QString &zipPath, const QString &targetFolder, qint64 sizeLimit)
{
    if (!libzip().failure.isEmpty())
        return libzip().failure;
    int error = 0;
    Archive archive;
    archive.handle = libzip().open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY, &error);
    if (!archive.handle)
        return QStringLiteral("[%1] is not a zip file that can be read.").arg(QFileInfo(zipPath).fileName());

    const zip_int64_t count = libzip().numEntries(archive.handle, 0);
    if (count > kMaxEntries)
        return QStringLiteral("The zip file holds more than %1 files.").arg(kMaxEntries);

    // Check every name before writing anything.
    struct Planned {
        zip_uint64_t index;
        QString relative;
        bool folder;
    };
    QList<Planned> planned;
    QSet<QString> taken;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *raw = libzip().name(archive.handle, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        const QString name = raw ? QString::fromUtf8(raw) : QString();
        const QString relative = safeRelativePath(name);
        if (relative.isEmpty())
            return QStringLiteral(
                       "The zip file names a file outside its folder: [%1]. Nothing was extracted.")
                .arg(name);
        if (isLink(archive.handle, zip_uint64_t(i)))
            return QStringLiteral("The zip file holds a link: [%1]. Nothing was extracted.").arg(name);
        const bool folder = name.endsWith(u'/') || name.endsWith(u'\\');
        planned << Planned{zip_uint64_t(i), folder ? relative : unusedName(relative, taken), folder};
    }

    QDir target(targetFolder);
    if (!target.mkpath(QStringLiteral(".")))
        return QStringLiteral("Could not create the folder [%1].").arg(targetFolder);
    const auto fail = [&](const QString &message) {
        QDir(targetFolder).removeRecursively();
        return message;
    };

    qint64 total = 0;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (const Planned &p : planned) {
        const QString path = target.filePath(p.relative);
        if (p.folder) {
            target.mkpath(p.relative);
            continue;
        }
        target.mkpath(QFileInfo(p.relative).path());
        Entry entry{archive.handle};
        entry.file = libzip().fopenIndex(archive.handle, p.index, 0);
        if (!entry.file)
            return fail(QStringLiteral("Could not read [%1] from the zip file.").arg(p.relative));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(QStringLiteral("Could not write [%1].").arg(path));
        while (true) {
            // The sizes an archive declares can lie; count what actually comes out.
            const zip_int64_t read = libzip().fread(entry.file, buffer.data(), zip_uint64_t(buffer.size()));
            if (read < 0)
                return fail(QStringLiteral("The zip file is damaged at [%1].").arg(p.relative));
            if (read == 0)
                break;
            total += read;
            if (total > sizeLimit)
                return fail(QStringLiteral("The zip file unpacks to more than %1 MB. Nothing was extracted.")
                                .arg(sizeLimit / (1024 * 1024)));
            if (out.write(buffer.constData(), read) != read)
                return fail(QStringLiteral("Could not write [%1].").arg(path));
        }
    }
    return {};
}

} // namespace ZipExtractor
