#pragma once

#include <QString>
#include <zip.h>

// The functions of libzip that read archives (bulk imports, .xlsx workbooks). The library is
// loaded when an archive is first opened, not linked: with the crypto library it needs it
// was loaded by every start of the programs, most of which never open one.
struct ZipLibrary {
    decltype(&zip_open) open = nullptr;
    decltype(&zip_discard) discard = nullptr;
    decltype(&zip_get_num_entries) numEntries = nullptr;
    decltype(&zip_get_name) name = nullptr;
    decltype(&zip_file_get_external_attributes) externalAttributes = nullptr;
    decltype(&zip_fopen) fopen = nullptr;
    decltype(&zip_fopen_index) fopenIndex = nullptr;
    decltype(&zip_fread) fread = nullptr;
    decltype(&zip_fclose) fclose = nullptr;
    decltype(&zip_stat_init) statInit = nullptr;
    decltype(&zip_stat) stat = nullptr;
    decltype(&zip_stat_index) statIndex = nullptr;
    // Why the library cannot be used; empty when every function was found.
    QString failure;

    // The library the programs use, loaded on the first call.
    static const ZipLibrary &instance();
    // The library of this name and major version, loaded now.
    static ZipLibrary load(const QString &name, int version);
};
