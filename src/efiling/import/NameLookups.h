#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class ClauseCatalogue;

// The names behind the codes of an e-filing file, read from the host's look-up tables:
// states, post offices, localities, districts, business sectors and countries, and the
// entries of the drop-down lists that imported cells should match. Each answer is kept
// for the life of the object, which lives for one import: a document repeats the same
// few codes many times. A code found nowhere gives "".
class NameLookups
{
public:
    explicit NameLookups(const ClauseCatalogue &catalogue) : m_catalogue(catalogue) {}

    // The state's name in the host's list of states (the latest row of that code).
    QString stateName(const QString &code);
    QString postOfficeName(const QString &code);
    QString localityName(const QString &code);
    QString districtName(const QString &code);
    // The host's name of a country code of the e-filing utilities.
    QString countryName(const QString &code);

    // A business code: the sector's name and, for a code of a sub-sector, its name too.
    struct Sector {
        QString sector;
        QString subSector;
    };
    Sector sector(const QString &code);

    // The entries of a catalogue drop-down list; empty for a list that depends on another
    // cell of its row.
    QStringList listItems(const QString &listName);

private:
    QString first(const QString &kind, const QString &code, const QString &sql);

    const ClauseCatalogue &m_catalogue;
    QHash<QString, QString> m_names;
    QHash<QString, QStringList> m_lists;
};
