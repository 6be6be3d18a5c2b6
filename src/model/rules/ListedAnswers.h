#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ReportModel;

// An import that brings rows into a clause's grid answers the clause as the page would when
// the user typed them: its question Yes, its "Not applicable" tick cleared. Without that the
// rows would be stored but left out of the e-filing file and the print, which skip a clause
// answered No or not applicable.
namespace ListedAnswers
{

// Answers the clause that holds the grid point when the point's rows hold a value other
// than the "Nil"/"NA" markers; a clause without such rows keeps its answers.
void answer(ReportModel &report, int page, const QString &gridPoint);

// A grid's rows that hold an entry: without the row of markers of a clause that was answered
// No or not applicable, and without empty rows, to which imported rows are added.
QList<QStringList> withoutMarkers(const QList<QStringList> &rows);

} // namespace ListedAnswers
