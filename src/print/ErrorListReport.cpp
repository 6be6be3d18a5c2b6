#include "ErrorListReport.h"

#include "ReportEngine.h"
#include "ReportWriter.h"
#include "efiling/FileFindings.h"

#include <QHash>

namespace ErrorListReport
{

namespace
{

// How much of the line each column of the error grid takes, against the others chosen.
int shareOf(const QString &heading)
{
    static const QHash<QString, int> shares{{QStringLiteral("Sr. No."), 5},
                                            {QStringLiteral("Error No."), 6},
                                            {QStringLiteral("Line No."), 6},
                                            {QStringLiteral("Column No."), 7},
                                            {QStringLiteral("Root"), 20},
                                            {QStringLiteral("Name of Head"), 14},
                                            {QStringLiteral("Variable Name"), 14},
                                            {QStringLiteral("Value"), 12},
                                            {QStringLiteral("Error Description"), 32}};
    return shares.value(heading, 10);
}

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
    engine.SetCol130(headings.contains(QStringLiteral("Root")));
    engine.NewReport();
    ReportWriter w(engine);
    w.line(QStringLiteral("List of Errors"), ReportRow::Centre, true);
    w.blank();
    if (headings.isEmpty()) {
        engine.ShowReport();
        return;
    }
    int total = 0;
    for (const QString &h : headings)
        total += shareOf(h);
    QStringList widths;
    QList<int> alignments;
    int left = 100;
    for (int i = 0; i < headings.size(); ++i) {
        const int share =
            i + 1 == headings.size() ? left : std::max(1, 100 * shareOf(headings.at(i)) / total);
        left -= share;
        widths << QString::number(share);
        alignments << (shareOf(headings.at(i)) <= 7 ? ReportRow::Centre : ReportRow::Left);
    }
    w.columns(widths.join(u','), alignments);
    w.heading(headings);
    for (const QStringList &row : rows(findings, columns))
        w.boxed(row);
    engine.ShowReport();
}

} // namespace ErrorListReport
