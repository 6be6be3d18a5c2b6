#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The items of clause 21 on page 9, in the order the page shows and checks them
// (21(a)(viii) after (ix), as the e-filing file lists them).
namespace Clause21
{

enum class Kind { Grid, Amount };

struct Item {
    QString point;   // PointNo, also the label the completeness check names
    QString caption; // shown above the item
    Kind kind = Kind::Grid;
    int tab = 0;              // index in tabs()
    QStringList columns;      // grid column headings; empty for amounts
    QString optionalColumns;  // handed to the completeness check ("4,5,8,10,11")
    bool yesNo = false;       // answered Yes/No under "Opt" + point instead of a Not Applicable tick
    int dateColumn = -1;      // payee grids of 21(b): date of payment, checked against the year
    int panColumn = -1;       // cells checked as PAN after each edit
    int aadhaarColumn = -1;   // cells checked as Aadhaar after each edit
    QList<int> amountColumns; // shown "###0.00"

    bool isGrid() const { return kind == Kind::Grid; }
};

const QList<Item> &items();
const QStringList &tabs();
// nullptr for a point that is not an item of clause 21.
const Item *item(const QString &point);

} // namespace Clause21
