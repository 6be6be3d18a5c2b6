#pragma once

#include "efiling/ValidationFinding.h"

#include <QList>
#include <QStringList>

class ReportEngine;

// The "List of Errors" of the e-filing validation screens in table mode: the findings of a
// check in the columns the user ticked (indexes into FileFindings::columnTitles()), one row
// per finding, on the wide page when the path columns come along.
namespace ErrorListReport
{

QStringList headings(const QList<int> &columns);
QList<QStringList> rows(const QList<ValidationFinding> &findings, const QList<int> &columns);

void build(ReportEngine &engine, const QList<ValidationFinding> &findings, const QList<int> &columns);

} // namespace ErrorListReport
