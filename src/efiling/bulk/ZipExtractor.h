#pragma once

#include <QString>

// Unpacks a zip file into a folder of its own. An archive that names a file outside
// that folder (an absolute path, a drive letter, a ".." step) or a link is refused whole,
// and so is one that unpacks to more than the size limit: nothing is written outside
// the target folder, and on refusal nothing stays inside it either. Of two entries with
// the same name the later is written as "name (2).json".
namespace ZipExtractor
{

constexpr qint64 kDefaultSizeLimit = 1024LL * 1024 * 1024; // 1 GiB unpacked
constexpr int kMaxEntries = 20000;

// Empty on success; otherwise what went wrong, for the user.
QString extract(const QString &zipPath, const QString &targetFolder, qint64 sizeLimit = kDefaultSizeLimit);

// The entry name as a relative path inside the folder ("a/b.json"), or empty when it
// would leave the folder or names nothing.
QString safeRelativePath(const QString &entryName);

} // namespace ZipExtractor
