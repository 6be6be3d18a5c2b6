#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The entries of the catalogue's drop-down sources for one page: fixed lists and code
// tables as they are, look-up queries read from the database once per page and bind value.
class ListSources
{
public:
    // columnValue feeds the "@column" bind of a dependent list (sub-sectors of a sector).
    QStringList items(const QString &listName, const QString &columnValue = {});
    bool isEditable(const QString &listName) const;

private:
    QHash<QString, QStringList> m_cache;
};
