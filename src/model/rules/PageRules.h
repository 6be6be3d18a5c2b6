#pragma once

#include "ReportFindings.h"

#include <QList>
#include <optional>

class ReportModel;

// The rules that pages hold their clauses to beyond completeness, over the report model: the
// page runs each on what it shows (put into the model first) at the place its order of
// checks gives it; the report's check runs them all. Each gives the first value that breaks
// the rule, with its place (the row from 1, the grid column from 0) and the page's message.
namespace PageRules
{

// A clause with a Yes/No question left unanswered: `message`, or "Select either Yes  or No in
// clause " and its label.
std::optional<ReportFinding> unanswered(const ReportModel &model, int page, const QString &clause,
                                        const QString &message = {});
// Page 2: the assessee's status; clause 8a's section once it is answered Yes.
std::optional<ReportFinding> assesseeStatus(const ReportModel &model);
std::optional<ReportFinding> clause8aSection(const ReportModel &model);
// Page 7: clause 18's blocks (totals, dates of use and sale, adjustments).
std::optional<ReportFinding> clause18(const ReportModel &model);
// Page 8: clause 19's admissible amounts under the concessional regime of clause 8a.
std::optional<ReportFinding> clause19(const ReportModel &model);
// Page 9: the dates of payment of clause 21(b) within the year.
std::optional<ReportFinding> clause21PaymentDates(const ReportModel &model);
// Page 20: clause 40's whole-rupee amounts; clause 42's identification numbers; clause 43
// not yet due without its expected date; the dates of furnishing of clauses 42 and 43.
std::optional<ReportFinding> clause40Amounts(const ReportModel &model);
std::optional<ReportFinding> clause42Numbers(const ReportModel &model);
std::optional<ReportFinding> clause43ExpectedDate(const ReportModel &model);
std::optional<ReportFinding> furnishingDates(const ReportModel &model);
// Page 21: the date of signing, once given, a date of the year's filing period not before
// the audit report's; the same date as page 1's.
std::optional<ReportFinding> signingDate(const ReportModel &model);
std::optional<ReportFinding> signingDatesAgree(const ReportModel &model);

// The first finding of each rule of the page, in the page's order of checks, for the check of
// the whole report: the rules of clause 8a and of the questions are left to its own check of
// answers and lists, which words them as it does every clause's.
QList<ReportFinding> of(const ReportModel &model, int page);

} // namespace PageRules
