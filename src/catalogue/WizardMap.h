#pragma once

#include <QList>
#include <QString>

// Where the old report wizard's answers go in the clause table
// (data/catalogue/wizard3cd.json, described in its README). The wizard was written for the
// Form 3CD before its renumbering, so its points carry that form's clause names ("9a" the
// books prescribed, "11a" the method of accounting, "17a" to "17f" the amounts debited).
namespace WizardMap
{

// A place of the clause table: the page, the point and the column (from 1).
struct Place {
    int page = 0;
    QString point;
    int column = 1;
};

// A column of the wizard's books table (`anex3cd_books`) and the list it names a book in.
struct BookList {
    QString column; // "Prescribed", "Maintained" or "Examined"
    Place place;
};

// An answer of the wizard's question list (`anex3cd_main`) by its serial number.
struct Answer {
    int serial = 0;
    Place place;
};

struct Map {
    QList<BookList> books;
    QList<Answer> answers;
    // The place of a serial number's answer; nullptr for a serial the map does not take.
    const Place *placeOf(int serial) const;
};

// The map of the installation (ExePath/catalogue/wizard3cd.json), read on first use.
const Map &instance();
// A map read from a file; throws std::runtime_error when it cannot be read.
Map load(const QString &path);

} // namespace WizardMap
