#pragma once

#include "store/ClauseStore.h"

#include <QHash>
#include <QList>
#include <QString>

// The clause rows of the current client and year, read once and grouped by page and
// point, each point's rows in grid order (the sequence column read as a number). The
// e-filing writer looks up hundreds of points; one read keeps that cheap.
class ReportRows
{
public:
    using Row = ClauseStore::ClauseRow;

    static ReportRows load();

    // The rows of a point (of any form name), in order; empty when there are none.
    const QList<Row> &rows(int page, const QString &point) const;
    // The rows of a point written under one form name ("3CA" Part A rows, say).
    QList<Row> rows(int page, const QString &point, const QString &formName) const;
    // Column `col` of the point's first row, "" when there is none.
    QString value(int page, const QString &point, int col = 1) const;
    int count() const { return m_count; }

private:
    QHash<QString, QList<Row>> m_byPoint;
    int m_count = 0;
};
