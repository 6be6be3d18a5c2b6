#include "Installation.h"
#include "SourceDataDir.h"

namespace Installation
{

QString folder()
{
    return qEnvironmentVariable("TALVEX_EXE_PATH", QStringLiteral(TALVEX_SOURCE_DATA_DIR));
}

QString version()
{
    return QStringLiteral(TALVEX_VERSION);
}

} // namespace Installation
