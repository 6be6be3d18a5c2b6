#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reads a whole file only up to a size limit: a file of gigabytes is refused without
// taking all the memory there is, and a device or a pipe (/dev/zero never ends) is not
// read at all.
namespace BoundedFile
{

// The largest e-filing JSON file read (the biggest real ones run to tens of megabytes).
constexpr qint64 kMaxJsonBytes = qint64(256) << 20;
// The largest XML file read: e-filing XML files and schemas run to a few megabytes.
constexpr qint64 kMaxXmlBytes = qint64(64) << 20;

// The file's bytes, or nothing with the reason in `why` when it is no regular file, cannot
// be opened or holds more than `maxBytes`.
std::optional<QByteArray> read(const QString &path, qint64 maxBytes, QString *why);

// "256 MiB", "64 KiB": a limit as the messages name it.
QString sizeText(qint64 bytes);

} // namespace BoundedFile
