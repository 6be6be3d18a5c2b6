#pragma once

#include "model/rules/ReportFindings.h"

#include <QDate>
#include <QList>

class ReportModel;

// The whole check of a report before its file is written. Form 3CA-3CD and Form 3CB-3CD: the
// findings of its clauses and dates, then what the e-filing check (the same as `taxaudit
// validate`) finds in the document the report gives, each placed on the page that holds it.
// Form 3CEB: the findings of its pages.
namespace ReportCheck
{

QList<ReportFinding> findings(const ReportModel &model, const QDate &today = QDate::currentDate());

} // namespace ReportCheck
