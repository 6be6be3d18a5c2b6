#pragma once

#include "ClauseStore.h"

#include <functional>

// A report's rows one at a time, for a reader that keeps them in a shape of its own (the
// e-filing writer keeps a long grid as text rather than as a string a cell), and the order
// the report model puts them in.
namespace ClauseStore
{

// Every row of the report as the database gives it, by page and point; a point's rows are
// not yet in their sequence order.
void readEach(const ReportKey &key, const std::function<void(ClauseRow &&)> &take);
// A grid row's number as the database casts the sequence text to a number: its leading
// digits, 0 without any; a row without one comes first, as NULL sorts first.
qint64 sequenceNumber(const QString &text);
// Puts rows read by page and point into the order of the report: page, form name, point,
// then the sequence as a number, rows of equal keys in the order read.
void sortAsReport(QList<ClauseRow> &rows, int sequenceColumn);

} // namespace ClauseStore
