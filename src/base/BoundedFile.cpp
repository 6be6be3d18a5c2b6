#include "BoundedFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

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
    // Read straight into the result, sized for the file as it is now: a buffer of a chunk a
    // read costs a small file more than reading it. The file may grow while it is read: no
    // more than one byte past the limit is taken.
    constexpr qint64 kChunk = qint64(1) << 20;
    constexpr qint64 kPastEnd = 4096;
    const qint64 expected = file.size();
    QByteArray data;
    data.reserve(std::min(expected, maxBytes) + kPastEnd);
    qint64 filled = 0;
    while (filled <= maxBytes) {
        const qint64 want =
            std::min({kChunk, maxBytes + 1 - filled, std::max<qint64>(expected - filled, 0) + kPastEnd});
        data.resize(filled + want);
        const qint64 got = file.read(data.data() + filled, want);
        if (got <= 0)
            break;
        filled += got;
    }
    data.resize(filled);
    if (data.size() > maxBytes)
        return fail(tooLarge);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("The file [%1] cannot be read: %2").arg(path, file.errorString()));
    return data;
}

} // namespace BoundedFile
