#include "ZipWriter.h"

#include <QFile>
#include <zip.h>

bool writeZip(const QString &path, const QList<QPair<QString, QByteArray>> &entries)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (const auto &[name, content] : entries) {
        const bool link = content.startsWith("@link:");
        const QByteArray data = link ? content.mid(6) : content;
        // libzip frees the copy when it writes the archive.
        void *copy = malloc(size_t(std::max<qsizetype>(1, data.size())));
        memcpy(copy, data.constData(), size_t(data.size()));
        zip_source_t *source = zip_source_buffer(archive, copy, zip_uint64_t(data.size()), 1);
        const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
        if (link)
            zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             (0120777u << 16));
    }
    return zip_close(archive) == 0;
}
