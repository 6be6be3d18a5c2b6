#pragma once

#include <QList>
#include <QString>

// The department's nature-of-business codes as the host keeps them (table annex_sector):
// the sectors, each with a two-digit code, and under each the five-digit codes of its
// lines of business.
struct BusinessCode {
    QString code;
    QString name;
    QString sectorCode; // of a line of business: its sector's code

    // As the search lists it: the name with the code in brackets, "FISH FARMING(02)".
    QString caption() const { return name + QLatin1Char('(') + code + QLatin1Char(')'); }
};

namespace BusinessCodes
{

// The sectors by name.
QList<BusinessCode> sectors();
// The codes of a sector by name; none for a code that is no sector.
QList<BusinessCode> codesOf(const QString &sectorCode);
// The lines of business of every sector whose name or code holds the text, by name.
QList<BusinessCode> search(const QString &text);
// The sector of a code by its code; empty when there is none.
BusinessCode sector(const QString &sectorCode);
// The sector a line of business is kept under (its name), and the line's code, by the
// two names a clause grid keeps; empty when the names are not a code of the list.
BusinessCode find(const QString &sectorName, const QString &lineName);

} // namespace BusinessCodes
