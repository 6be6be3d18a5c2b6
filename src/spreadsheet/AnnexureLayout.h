#pragma once

#include "catalogue/ClauseCatalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

// The layout of an annexure workbook: one worksheet "Sheet1" with the instruction line in
// row 1, the headings in row 2 and the rows from row 3, one worksheet column a grid column.
struct AnnexureColumn {
    QString heading;
    Catalogue::Kind kind = Catalogue::Kind::Text;
    int width = 0; // pixels, as the grid shows it
    bool hidden = false;
    QStringList listItems;    // the validation list of a list column
    bool listIsStrict = true; // false: other values are accepted after a warning
};

struct AnnexureLayout {
    static constexpr int kHeadingRow = 1;
    static constexpr int kFirstDataRow = 2;

    QList<AnnexureColumn> columns;

    static const QString &sheetName();
    static const QString &instruction();

    // The headings of the columns, in order.
    QStringList headings() const;
    // Whether a worksheet row holds exactly these headings.
    bool matchesHeadings(const QStringList &cells) const;

    // A clause grid's layout from its catalogue columns, with the list entries its
    // drop-downs offer (a list bound to another column has no fixed entries and no list).
    static AnnexureLayout ofGrid(const QList<Catalogue::Column> &columns);
};
