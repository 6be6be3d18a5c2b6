#pragma once

#include <QList>
#include <QStringList>

class ReportEngine;

// The "List of Errors" of the e-filing validation screens in table mode: the columns the
// user ticked, one row per error, on the wide page when the path columns come along.
namespace ErrorListReport
{

void build(ReportEngine &engine, const QStringList &headings, const QList<QStringList> &rows);

} // namespace ErrorListReport
