#include "ErrorListReport.h"

#include "ReportEngine.h"
#include "ReportWriter.h"
#include "efiling/FileFindings.h"

#include <QList>

namespace ErrorListReport
{

namespace
{

// How much of the line each column of the error grid takes against the others chosen, in
// the order of the grid's columns.
int shareOf(int column)
{
    static const QList<int> shares{5, 6, 6, 7, 20, 14, 14, 12, 32};
    return shares.value(column, 10);
}

// A list that shows the root of each finding takes the wide page.
constexpr int RootColumn = 4;

} // namespace

QStringList headings(const QList<int> &columns)
{
    QStringList titles;
    for (const int c : columns)
        titles << FileFindings::columnTitles().value(c);
    return titles;
}

QList<QStringList> rows(const QList<ValidationFinding> &findings, const QList<int> &columns)
{
    QList<QStringList> rows;
    for (int r = 0; r < findings.size(); ++r) {
        const QStringList cells = FileFindings::cells(findings.at(r), r + 1);
        QStringList row;
        for (const int c : columns)
            row << cells.value(c);
        rows << row;
    }
    return rows;
}

void build(ReportEngine &engine, const QList<ValidationFinding> &findings, const QList<int> &columns)
{
    const QStringList headings = ErrorListReport::headings(columns);
    engine.WinModeReport = true;
    engine.SetCol130(columns.contains(RootColumn));
    engine.NewReport();
    ReportWriter w(engine);
    w.line(QStringLiteral("List of Errors"), ReportRow::Centre, true);
    w.blank();
    if (headings.isEmpty()) {
        engine.ShowReport();
        return;
    }
    int total = 0;
    for (const int c : columns)
        total += shareOf(c);
    QStringList widths;
    QList<int> alignments;
    int left = 100;
    for (int i = 0; i < headings.size(); ++i) {
        const int share = i + 1 == headings.size() ? left : std::max(1, 100 * shareOf(columns.at(i)) / total);
        left -= share;
        widths << QString::number(share);
        alignments << (shareOf(columns.at(i)) <= 7 ? ReportRow::Centre : ReportRow::Left);
    }
    w.columns(widths.join(u','), alignments);
    w.heading(headings);
    for (const QStringList &row : rows(findings, columns))
        w.boxed(row);
    engine.ShowReport();
}

} // namespace ErrorListReport
