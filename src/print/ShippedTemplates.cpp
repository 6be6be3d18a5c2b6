#include "ShippedTemplates.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ShippedTemplates
{

bool install(const QString &exePath, const QString &docPath)
{
    const QDir shipped(QDir(exePath).filePath(Folder));
    const QDir target(QDir(docPath).filePath(Folder));
    if (!QDir().mkpath(target.path()))
        return false;
    bool ok = true;
    for (const QString &name : shipped.entryList({QStringLiteral("*.rtf")}, QDir::Files)) {
        if (!target.exists(name))
            ok = QFile::copy(shipped.filePath(name), target.filePath(name)) && ok;
    }
    return ok;
}

QString resolve(const QString &exePath, const QString &docPath, const QString &nameOrPath)
{
    if (nameOrPath.isEmpty())
        return {};
    install(exePath, docPath);
    if (QFileInfo(nameOrPath).isFile())
        return QFileInfo(nameOrPath).absoluteFilePath();
    const QDir reports(QDir(docPath).filePath(Folder));
    const QString file = nameOrPath.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive)
                             ? nameOrPath
                             : nameOrPath + QStringLiteral(".rtf");
    for (const QString &candidate :
         {reports.filePath(file), reports.filePath(QStringLiteral("3cd_Fls/3CD") + file),
          reports.filePath(QStringLiteral("3CA_Fls/") + file),
          reports.filePath(QStringLiteral("3CB_Fls/") + file)}) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

} // namespace ShippedTemplates
