#pragma once

#include <QList>
#include <QString>

class ReportModel;

// What is wrong with a report, found all at once over its model: the accountant sees the
// whole list before filing, not one message at a time. The pages check the same rules as
// values are typed (CellChecks, ReportDates); this gathers them for the report.
struct ReportFinding {
    enum class Kind {
        Answer, // a Yes/No question not answered
        Blank,  // a clause without data that may be answered "Nil" (no information)
        Value,  // a value that its field does not take, or a clause that must be filled
        Date,   // a date outside its rule
        Filing  // the e-filing file's check, as `taxaudit validate` words it
    };
    Kind kind = Kind::Value;
    int page = 0;    // the editor page, 0 where the value is no field of a page
    QString clause;  // the clause label ("22(a)"), "" where the page has no clause for it
    QString point;   // the point that holds the value, to open the page at it
    int row = 0;     // the grid row, from 1; 0 outside a grid
    int column = -1; // the grid column, from 0; -1 outside a grid
    QString item;    // the column's or field's caption
    QString message;
};

namespace ReportFindings
{

// Every finding of the report's clauses and dates, page by page in the order of the pages:
// each page's clauses, then the page's own rules (PageRules).
QList<ReportFinding> collect(const ReportModel &model);

// The place of a finding in words: "Clause 23 (page 10), row 2, Payment made (Amount)".
QString place(const ReportFinding &finding);
// One line of a list of findings: the place and the message; a finding of the e-filing check
// as `taxaudit validate` words it (its message names its place).
QString line(const ReportFinding &finding);

// Answers blank clauses "Nil" in the model: every cell of a grid's one row, every text box
// and field. The pages the clauses are on, to be saved.
QList<int> answerNil(ReportModel &model, const QList<ReportFinding> &blanks);

} // namespace ReportFindings
