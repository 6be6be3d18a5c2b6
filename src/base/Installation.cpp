#include "Installation.h"
#include "SourceDataDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Installation
{

QString folder()
{
    if (qEnvironmentVariableIsSet("TALVEX_EXE_PATH"))
        return qEnvironmentVariable("TALVEX_EXE_PATH");
    // An installed program carries the clause catalogue in its data folder; a program in
    // its build folder has none beside it and reads the source tree's.
    if (QCoreApplication::instance()) {
        const QString installed = QDir::cleanPath(
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TALVEX_DATA_FROM_BIN)));
        if (QFileInfo::exists(QDir(installed).filePath(kClauseCatalogue)))
            return installed;
    }
    return QStringLiteral(TALVEX_SOURCE_DATA_DIR);
}

QString version()
{
    return QStringLiteral(TALVEX_VERSION);
}

} // namespace Installation
