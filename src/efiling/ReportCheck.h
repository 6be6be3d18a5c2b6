#pragma once

#include "model/rules/ReportFindings.h"

#include <QDate>
#include <QList>

class ReportModel;

// The whole check of a Form 3CA-3CD or Form 3CB-3CD report before its file is written: the
// findings of its clauses and dates, then what the e-filing check (the same as `taxaudit
// validate`) finds in the document the report gives, each placed on the page that holds it.
namespace ReportCheck
{

QList<ReportFinding> findings(const ReportModel &model, const QDate &today = QDate::currentDate());

} // namespace ReportCheck
