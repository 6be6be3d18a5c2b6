#include "ErrorListReport.h"

#include "ReportEngine.h"
#include "ReportWriter.h"

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

void build(ReportEngine &engine, const QStringList &headings, const QList<QStringList> &rows)
{
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
    for (const QStringList &row : rows)
        w.boxed(row);
    engine.ShowReport();
}

} // namespace ErrorListReport
