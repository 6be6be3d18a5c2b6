#pragma once

#include "TdsSource.h"

#include <QHash>
#include <QStringList>
#include <functional>
#include <optional>

// Builds the clause lists from what the TDS product holds for one or more clients, in four
// steps: the challans and deductee rows of each quarter, the deductees' masters, the
// statements filed, and the lists. Rows come out in the clause grids' columns:
// "34a" one per TAN and section, "34b" one per statement, "34c" one per TAN with interest,
// "21bib" and "21biib" one per payment to a non-resident or resident whose tax was not paid
// by the due date of the return of income.
namespace TdsLists
{

using Lists = QHash<QString, QList<QStringList>>;

// Told the caption of the step and how far it has got; returns false to stop.
using Progress = std::function<bool(const QString &caption, int done, int total)>;

struct Options {
    QString assessmentYear; // "2026-27"
    QString returnDueDate;  // "dd/mm/yyyy": the due date of furnishing the return of income
};

// "Please Wait ... [Processing Data (Form 3CD)] [Step 2 of 4 - …]".
QString caption(int step, const QString &what);

// Nothing when the progress callback stopped the run.
std::optional<Lists> build(TdsSource &source, const QList<TdsClient> &clients, const Options &options,
                           const Progress &progress);

// The split of an amount by rate: the rate at which tax was deducted, to four decimals,
// against the specified rate to four decimals.
bool atSpecifiedRate(double amount, double taxDeducted, double specifiedRate);

// Interest under section 201(1A) on one deductee row: one per cent a month or part of a
// month from payment to deduction, one and a half per cent from deduction to deposit when
// the deposit is later than the seventh of the next month (the thirtieth of April for March).
// The months are counted as `months` says; `depositDue` gives the due date of a deposit
// that would fall due on the date it is given (an extension), the date itself without one.
double interestPayable(const QString &paymentDate, const QString &deductionDate, const QString &depositDate,
                       double taxDeducted, TdsInterestMonths months = TdsInterestMonths::Calendar,
                       const std::function<QDate(const QDate &)> &depositDue = {});

} // namespace TdsLists
