#pragma once

#include "catalogue/ClauseCatalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

// The layout of an annexure workbook: one worksheet "Sheet1" with the instruction line in
// row 1, the headings below it and the rows under the headings, one worksheet column a grid
// column. Columns that share a band heading ("Additions") have it merged across them in a
// row above their own headings; the heading of a column without a band is merged down over
// both heading rows.
struct AnnexureColumn {
    QString heading;
    Catalogue::Kind kind = Catalogue::Kind::Text;
    int width = 0; // pixels, as the grid shows it
    bool hidden = false;
    QStringList listItems;    // the validation list of a list column
    bool listIsStrict = true; // false: other values are accepted after a warning
    QString band;             // the heading over this column and its neighbours of the same band
};

struct AnnexureLayout {
    static constexpr int kHeadingRow = 1;

    QList<AnnexureColumn> columns;

    static const QString &sheetName();
    static const QString &instruction();

    // Two heading rows when a column has a band, else one.
    int headingRows() const;
    int firstDataRow() const { return kHeadingRow + headingRows(); }

    // The column headings, in order.
    QStringList headings() const;
    // The heading rows as the workbook holds them: a merged heading in its first cell, the
    // cells it covers empty.
    QList<QStringList> headingCells() const;
    // Whether a worksheet's rows hold exactly these heading rows below the instruction line.
    bool matchesHeadings(const QList<QStringList> &sheetRows) const;

    // A clause grid's layout from its catalogue columns, with the list entries its
    // drop-downs offer (a list bound to another column has no fixed entries and no list).
    static AnnexureLayout ofGrid(const QList<Catalogue::Column> &columns);
};
