#include "TemplateLists.h"

#include "ShippedTemplates.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace TemplateLists
{

namespace
{

QString reportsFolder(const QString &docPath)
{
    return QDir(docPath).filePath(ShippedTemplates::Folder);
}

QStringList listLines(const QString &folder)
{
    QStringList lines;
    QFile list(QDir(folder).filePath(QStringLiteral("List.txt")));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    QTextStream in(&list);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

} // namespace

QList<Template> frontPages(const QString &docPath, const QString &form)
{
    const QDir reports(reportsFolder(docPath));
    QList<Template> list{
        {QStringLiteral("(Original)"), reports.filePath(form + QStringLiteral("_2024.rtf"))}};
    const QString userFolder = reports.filePath(form + QStringLiteral("_Fls"));
    for (const QString &line : listLines(userFolder))
        list.append({line, QDir(userFolder).filePath(line + QStringLiteral(".rtf"))});
    return list;
}

QList<Template> form3CD(const QString &docPath)
{
    const QDir reports(reportsFolder(docPath));
    QList<Template> list{
        {QStringLiteral("(Original) Tabular Format"), reports.filePath(QStringLiteral("3CD_2024_1.rtf"))},
        {QStringLiteral("(Original File-1) Table Break Format"),
         reports.filePath(QStringLiteral("3CD_OF1_2024_1.rtf"))},
        {QStringLiteral("(Original File-2) Old Format"),
         reports.filePath(QStringLiteral("3CD_OF2_2024_1.rtf"))}};
    const QString userFolder = reports.filePath(QStringLiteral("3cd_Fls"));
    for (const QString &line : listLines(userFolder)) {
        if (line == QLatin1String("3CD (New)") || line == QLatin1String("3CD (New From F.Y. 2008-09)"))
            continue;
        list.append({line, QDir(userFolder).filePath(QStringLiteral("3CD") + line + QStringLiteral(".rtf"))});
    }
    return list;
}

} // namespace TemplateLists
