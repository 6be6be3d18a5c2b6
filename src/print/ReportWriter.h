#pragma once

#include "ReportRow.h"

#include <QString>
#include <QStringList>

class ReportEngine;

// The table-mode patterns every builder repeats: a table set up from a column widths list, boxed
// heading rows (every edge ruled), boxed data rows (left edge of the first cell, the edges
// between cells, the bottom), free rows without rules, and blank rows.
class ReportWriter
{
public:
    explicit ReportWriter(ReportEngine &engine) : m_engine(engine) {}

    ReportEngine &engine() { return m_engine; }
    // Sets up a table with as many columns as the list has widths.
    bool columns(const QString &widths, const QList<int> &alignments = {});
    int columnCount() const { return m_row.columnCount(); }

    void heading(const QStringList &values);
    void boxed(const QStringList &values);
    // A boxed row with a rule above the cells marked '1' in `totals` (sub-totals).
    void boxed(const QStringList &values, const QString &totals);
    void plain(const QStringList &values);
    void rowWithMasks(const QStringList &values, const QString &m1, const QString &m2, const QString &m3,
                      const QString &m4);
    void blank();
    // One line across the page in a one-column table: centred, bold if asked.
    void line(const QString &text, int alignment = ReportRow::Left, bool bold = false);

private:
    void fill(const QStringList &values);

    ReportEngine &m_engine;
    ReportRow m_row;
    QList<int> m_alignments;
};
