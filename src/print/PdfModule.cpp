#include "PdfModule.h"

#include "PdfEngine.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace PdfModule
{

namespace
{

const QString kFileName = QStringLiteral("talvex-pdf.so");

} // namespace

QStringList folders()
{
    // The running program's own file, known with or without an application object.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const QDir bin = QFileInfo(program).absoluteDir();
    return {bin.absolutePath(), QDir::cleanPath(bin.filePath(QStringLiteral(TALVEX_MODULES_FROM_BIN)))};
}

const PdfEngine *load(const QStringList &folders, QString *error)
{
    QString path;
    for (const QString &folder : folders) {
        const QString candidate = QDir(folder).filePath(kFileName);
        if (QFileInfo::exists(candidate)) {
            path = candidate;
            break;
        }
    }
    if (path.isEmpty()) {
        *error = QStringLiteral("The PDF module %1 is missing from [%2]; PDF files cannot be read back or "
                                "signed. Please install the program again.")
                     .arg(kFileName, folders.join(QStringLiteral("], [")));
        return nullptr;
    }
    QLibrary library(path);
    if (!library.load()) {
        *error = QStringLiteral("The PDF module %1 could not be loaded: %2").arg(path, library.errorString());
        return nullptr;
    }
    const auto entry = reinterpret_cast<PdfEngineEntry>(library.resolve(TALVEX_PDF_ENGINE_ENTRY));
    if (!entry) {
        *error = QStringLiteral("The PDF module %1 is not one of this program.").arg(path);
        return nullptr;
    }
    return entry();
}

const PdfEngine *engine(QString *error)
{
    static QString failure;
    static const PdfEngine *const loaded = load(folders(), &failure);
    if (!loaded)
        *error = failure;
    return loaded;
}

} // namespace PdfModule
