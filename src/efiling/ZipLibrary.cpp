#include "ZipLibrary.h"

#include <QLibrary>

namespace
{

template <typename Function> void resolve(QLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
}

} // namespace

const ZipLibrary &ZipLibrary::instance()
{
    static const ZipLibrary zip = load(QStringLiteral("zip"), 4);
    return zip;
}

ZipLibrary ZipLibrary::load(const QString &name, int version)
{
    ZipLibrary zip;
    QLibrary library(name, version);
    if (!library.load()) {
        zip.failure = QStringLiteral("The zip library could not be loaded: %1").arg(library.errorString());
        return zip;
    }
    resolve(library, "zip_open", zip.open);
    resolve(library, "zip_discard", zip.discard);
    resolve(library, "zip_get_num_entries", zip.numEntries);
    resolve(library, "zip_get_name", zip.name);
    resolve(library, "zip_file_get_external_attributes", zip.externalAttributes);
    resolve(library, "zip_fopen", zip.fopen);
    resolve(library, "zip_fopen_index", zip.fopenIndex);
    resolve(library, "zip_fread", zip.fread);
    resolve(library, "zip_fclose", zip.fclose);
    resolve(library, "zip_stat_init", zip.statInit);
    resolve(library, "zip_stat", zip.stat);
    resolve(library, "zip_stat_index", zip.statIndex);
    if (!zip.open || !zip.discard || !zip.numEntries || !zip.name || !zip.externalAttributes || !zip.fopen ||
        !zip.fopenIndex || !zip.fread || !zip.fclose || !zip.statInit || !zip.stat || !zip.statIndex)
        zip.failure =
            QStringLiteral("The zip library %1 lacks a function it should have.").arg(library.fileName());
    return zip;
}
