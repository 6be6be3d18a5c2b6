#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ReportEngine;
class ReportWriter;

// A grid printed as a boxed table after a serial column: each column as wide as its
// longest word (a whole amount) needs and a share of its usual length, so that nothing
// breaks inside a word; a grid whose longest words do not fit the page is set in a
// smaller type.
namespace FittedTable
{

struct Column {
    QString heading;
    bool amount = false; // right-aligned, and never broken
};

// Rows hold one cell a column, without the serial; the serial numbers them from 1.
void write(ReportWriter &writer, const QList<Column> &columns, const QList<QStringList> &rows);
// The same in a fixed layout: `widths` gives the serial's width and each column's; the type is
// made small enough for each column's longest word to fit its width, and an amount column too
// narrow for its amounts even so widens at the cost of the text columns. A layout of another
// number of columns is not used: the columns are then fitted to their words.
void write(ReportWriter &writer, const QList<Column> &columns, const QList<QStringList> &rows,
           const QString &widths);
// Rows that bring their serial as their first cell, under `serialHeading`: one line a row;
// columns that do not fit across the page follow in further tables of the same rows.
void writeSerialled(ReportWriter &writer, const QString &serialHeading, const QList<Column> &columns,
                    const QList<QStringList> &rows);

// Whether a grid's columns go across one line of the usual page (or of the wide page) in a
// type no smaller than the smallest. Rows hold the serial first.
bool fitsAcross(ReportEngine &engine, const QList<Column> &columns, const QList<QStringList> &rows,
                bool widePage);

// The columns of each band a grid prints in: as many columns a band as their longest words
// (and headings) fit across a line of `lineCharacters` characters, less `padding` for each
// cell and the serial's. Rows hold the serial first.
QList<QList<int>> bands(const QList<Column> &columns, const QList<QStringList> &rows, double lineCharacters,
                        double padding);

} // namespace FittedTable
