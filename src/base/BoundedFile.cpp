#include "BoundedFile.h"

#include <QFile>
#include <QFileInfo>

namespace BoundedFile
{

QString sizeText(qint64 bytes)
{
    if (bytes >= (qint64(1) << 20) && bytes % (qint64(1) << 20) == 0)
        return QStringLiteral("%1 MiB").arg(bytes >> 20);
    if (bytes >= 1024 && bytes % 1024 == 0)
        return QStringLiteral("%1 KiB").arg(bytes >> 10);
    return QStringLiteral("%1 bytes").arg(bytes);
}

std::optional<QByteArray> read(const QString &path, qint64 maxBytes, QString *why)
{
    const auto fail = [&](const QString &reason) -> std::optional<QByteArray> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const QString tooLarge =
        QStringLiteral("The file [%1] is larger than %2, more than any file of its kind; "
                       "it is not read.")
            .arg(path, sizeText(maxBytes));
    // A device or a pipe may never end, and opening a pipe waits for a writer.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return fail(QStringLiteral("[%1] is a device or a pipe, not a file; it is not read.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("The file [%1] cannot be read: %2").arg(path, file.errorString()));
    if (file.size() > maxBytes)
        return fail(tooLarge);
    QByteArray data;
    data.reserve(file.size());
    // The file may grow while it is read: no more than one byte past the limit is taken.
    constexpr qint64 kChunk = qint64(1) << 20;
    while (data.size() <= maxBytes) {
        const qint64 want = std::min(kChunk, maxBytes + 1 - data.size());
        const QByteArray chunk = file.read(want);
        if (chunk.isEmpty())
            break;
        data += chunk;
    }
    if (data.size() > maxBytes)
        return fail(tooLarge);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("The file [%1] cannot be read: %2").arg(path, file.errorString()));
    return data;
}

} // namespace BoundedFile
