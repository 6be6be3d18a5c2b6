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

    // While one lives, every import shares its answers: the files of a bulk import name the
    // same few codes, and on a server each look-up is a round trip.
    class SharedScope
    {
    public:
        SharedScope();
        ~SharedScope();
        SharedScope(const SharedScope &) = delete;
        SharedScope &operator=(const SharedScope &) = delete;

    private:
        bool m_owner; // an inner scope leaves the outer one in place
    };

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
    struct Answers {
        QHash<QString, QString> names; // by kind and code
        QHash<QString, QStringList> lists;
    };

    QString first(const QString &kind, const QString &code, const QString &sql);
    // The shared answers while a SharedScope lives, else this object's own.
    Answers &answers();

    static inline Answers *s_shared = nullptr;

    const ClauseCatalogue &m_catalogue;
    Answers m_own;
};
