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
    // True when the value is an entry of the list as the writer finds its code: a code
    // table's text or one of its other spellings, a list's entry as the list spells it.
    bool holds(const QString &listName, const QString &value, const QString &columnValue = {});
    // The list's entry for a value an earlier version stored under another spelling
    // ("Cheque" is "Yes-Cheque" now); the value itself when it is current or not an entry.
    QString current(const QString &listName, const QString &value) const;

private:
    QHash<QString, QStringList> m_cache;
};
