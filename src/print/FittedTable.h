#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ReportWriter;

// A grid printed as a boxed table after a serial column "Sl.": each column as wide as its
// longest word (a whole amount) needs and a share of its usual length, so that nothing
// breaks inside a word; a grid whose longest words do not fit the page is set in a
// smaller type.
namespace FittedTable
{

struct Column {
    QString heading;
    bool amount = false; // right-aligned, and never broken
};

// Rows hold one cell a column, without the serial.
void write(ReportWriter &writer, const QList<Column> &columns, const QList<QStringList> &rows);

} // namespace FittedTable
