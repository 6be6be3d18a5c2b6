#pragma once

#include "catalogue/Form3cebCatalogue.h"
#include "model/rules/ClauseCompleteness.h"
#include "model/rules/ReportFindings.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

class ReportModel;

// The checks a Form 3CEB page runs before it keeps its rows, as functions over the
// catalogue and the typed values; the pages show the messages.
namespace Form3cebChecks
{

// The 0-based columns of a Yes clause's grid that its rows may leave empty: those outside
// the clause's check columns and those the catalogue marks optional (the remark).
QSet<int> optionalColumns(const QList<Catalogue::Column> &columns, const Catalogue::CheckColumns &check);

// The 0-based columns one row may also leave empty: an enterprise identified as "Others"
// has no PAN or tax identification number to give.
QSet<int> exceptedColumns(const Catalogue::TransactionType &type, const QStringList &row);

// The membership number the UDIN is asked for: "" when it is six digits and the
// accountant's, else "Invalid Membership No. !" or "Mismatch Membership No. !".
QString membershipMessage(const QString &typed, const QString &accountants);

// A Yes/No question of a Form 3CEB page that the report leaves unanswered, with the
// catalogue's message for it; none when it is answered or the catalogue asks no answer.
std::optional<ReportFinding> unanswered(const ReportModel &model, int page, const Catalogue::Clause &clause);

// What a Yes clause's grid may leave empty: the columns above and the hidden ones, and in a
// row the exception's.
ClauseCompleteness::GridShape gridShape(int page, const Catalogue::Clause &clause,
                                        const Catalogue::Control &grid);

// A clause answered Yes reports its transactions: its grid left empty, or the first row
// without a value the clause asks for.
std::optional<ReportFinding> incompleteGrid(const ReportModel &model, int page,
                                            const Catalogue::Clause &clause);

// Every finding of a Form 3CEB report, page by page: the questions left unanswered; of the
// clauses answered Yes, the cells their columns do not take and a grid left empty or a row
// without a value the clause asks for.
QList<ReportFinding> findings(const ReportModel &model);

} // namespace Form3cebChecks
