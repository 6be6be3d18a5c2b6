#pragma once

#include "FinancialStatements.h"

#include <QString>

class ReportWriter;

// What the printed statements share: amounts with Indian digit grouping, the dates of
// the year's end, the heading block and the notes of the Schedule III layout.
namespace StatementText
{

// "1,24,50,000.00"; a loss or a debit balance in brackets; nothing shows as "-".
QString amount(double value);
// The client's name and the statement's title, centred over the page.
void heading(ReportWriter &writer, const FinancialStatements::Books &books, const QString &title);

// One figure of the year and of the year before.
struct Figure {
    QString label;
    double current = 0;
    double previous = 0;
    // False for a line that explains the figure below it rather than adds to the total.
    bool counted = true;
};

// A Schedule III note: its lines and their total.
struct Note {
    QString caption;
    QList<Figure> lines;
    Figure total() const;
};

// The heads of a group in either year, each with both years' balances; contra heads
// taken off when `netted`.
QList<Figure> headFigures(const FinancialStatements::Books &books, int gid, bool netted = false);
// A row of a two-year table: the label and both years' amounts, bold if asked.
void twoYearRow(ReportWriter &writer, const Figure &figure, bool bold = false);
// Writes the notes numbered from `first`.
void writeNotes(ReportWriter &writer, const FinancialStatements::Books &books, const QList<Note> &notes,
                int first);
// The heading row of a two-year table: particulars, [note,] the two years' ends.
QStringList yearsHeading(const FinancialStatements::Books &books, bool withNote, const QString &asAt);

// One side of a horizontal statement: captions with their heads' amounts in the inner
// column and the group's total in the outer column.
class Side
{
public:
    // A caption over its heads; the group total stands beside the last head.
    void group(const QString &caption, const QList<Figure> &heads);
    // A caption with one amount in the outer column.
    void single(const QString &caption, double value);
    double total() const { return m_total; }
    int size() const { return int(m_rows.size()); }
    QStringList row(int index) const;

private:
    QList<QStringList> m_rows;
    double m_total = 0;
};

// The two sides beside each other under the headings, and their totals (on the wide page).
void writeTwoSided(ReportWriter &writer, const QStringList &headings, const Side &left, const Side &right);

} // namespace StatementText
