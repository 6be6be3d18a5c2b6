#pragma once

#include <QString>

class ReportModel;

// The dates of a report as its pages, taxaudit and the imports check them: every date is a
// whole date of the calendar; the accounts' audit report is dated after the year has ended
// (asked, not refused: the accountant may have typed the year wrong or know better); the
// report is signed after the year and not before the audit report it annexes.
namespace ReportDates
{

// "" when the text is empty or a whole date as kept (dd/mm/yyyy), else the message naming
// the field: "Not a Valid Date [31/02/2026]: enter it as DD/MM/YYYY (Date of signing)". A
// date field never takes the markers "Nil" or "NA".
QString dateMessage(const QString &field, const QString &text);

// The question when the audit report of the accounts is dated on or before the year's end
// (31/03 of the year key); "" for a later date, an empty one or one that is not a date.
QString auditReportQuestion(const QString &date, const QString &yearKey);

// "" when the report is signed on or after the audit report's date (or either is not given),
// else the message.
QString signedBeforeAuditReportMessage(const QString &signingDate, const QString &auditReportDate);

// The date of the audit report under the other law that a Form 3CA report annexes (page 1,
// "3CA1", eighth column); "" for a Form 3CB report or when none is kept.
QString auditReportDate(const ReportModel &model);

} // namespace ReportDates
