#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The row buffer of the report builders: one value, width (percent of the printable
// width) and alignment per column of the current table.
struct ReportRow {
    enum Alignment { Left = 0, Centre = 1, Right = 2, Justify = 3 };

    QStringList values;
    QList<int> widths;
    QList<int> alignments;

    int columnCount() const { return int(widths.size()); }
    // Every value empty, widths and alignments kept.
    void clearValues();
    void set(int column, const QString &value, int alignment = Left);
};

class ReportEngine;

// The column set-up of the builders: sizes the row buffer to `columns`, takes the widths
// from the comma-separated widths and starts a table. When the list has another number of
// widths it says "No of columns and widths of columns is not same" and starts none.
bool setUpColumns(ReportEngine &engine, ReportRow &row, int columns, const QString &widths);

// A text of `count` ones or zeros, the rule masks of a row.
QString ruleMask(int count, QChar fill);
