#include "ZipLibrary.h"

#include "base/LoadedLibrary.h"

const ZipLibrary &ZipLibrary::instance()
{
    static const ZipLibrary zip = load(QStringLiteral("zip"), 4);
    return zip;
}

ZipLibrary ZipLibrary::load(const QString &name, int version)
{
    ZipLibrary zip;
    LoadedLibrary library(name, version, QStringLiteral("zip library"));
    library.resolve("zip_open", zip.open);
    library.resolve("zip_discard", zip.discard);
    library.resolve("zip_get_num_entries", zip.numEntries);
    library.resolve("zip_get_name", zip.name);
    library.resolve("zip_file_get_external_attributes", zip.externalAttributes);
    library.resolve("zip_fopen", zip.fopen);
    library.resolve("zip_fopen_index", zip.fopenIndex);
    library.resolve("zip_fread", zip.fread);
    library.resolve("zip_fclose", zip.fclose);
    library.resolve("zip_stat_init", zip.statInit);
    library.resolve("zip_stat", zip.stat);
    library.resolve("zip_stat_index", zip.statIndex);
    zip.failure = library.failure();
    return zip;
}
