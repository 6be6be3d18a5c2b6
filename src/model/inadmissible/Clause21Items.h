#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What page 9 adds to the catalogue's clause 21 items: the tab that holds each item, the
// columns the completeness check lets stay empty, and which grids hold payments that must
// fall within the year. Items are in the page's order (21(a)(viii) after (ix), as the
// e-filing file lists them).
namespace Clause21
{

struct Item {
    QString point;
    int tab = 0;               // index in tabs()
    QString optionalColumns;   // 0-based grid columns, as the completeness check takes them
    bool paymentDates = false; // column 0 holds dates of payment within the year
};

const QList<Item> &items();
const QStringList &tabs();
// nullptr for a point that is not an item of clause 21.
const Item *item(const QString &point);

} // namespace Clause21
