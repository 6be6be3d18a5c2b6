#pragma once

#include <QList>
#include <QString>

// The report templates a print can start from: the shipped ones under the documents
// folder's Reports/ReportsN, then the user's own, one a line of the List.txt beside them.
namespace TemplateLists
{

struct Template {
    QString name; // as listed: the shipped ones' names in brackets, a user's name
    QString path;
};

// The front pages of Form 3CA or 3CB ("3CA", "3CB").
QList<Template> frontPages(const QString &docPath, const QString &form);
// The Form 3CD formats; the list lines "3CD (New)" and "3CD (New From F.Y. 2008-09)" name
// formats the shipped rows already are and are not offered again.
QList<Template> form3CD(const QString &docPath);

} // namespace TemplateLists
