#include "FilingStatusReport.h"

#include "ReportEngine.h"
#include "ReportWriter.h"
#include "store/ReportKey.h"

namespace FilingStatusReport
{

void build(ReportEngine &engine, const QString &title, const QString &yearKey,
           const QList<AuditFiling::Entry> &entries)
{
    engine.WinModeReport = true;
    engine.SetCol130(false);
    engine.NewReport();
    ReportWriter w(engine);
    w.line(title, ReportRow::Centre, true);
    w.line(QStringLiteral("Assessment Year ") + ReportKey::assessmentYearOf(yearKey), ReportRow::Centre);
    w.blank();
    w.columns(QStringLiteral("7,12,37,18,13,13"), {ReportRow::Centre, ReportRow::Left, ReportRow::Left,
                                                   ReportRow::Left, ReportRow::Centre, ReportRow::Centre});
    w.heading({QStringLiteral("Sr. No."), QStringLiteral("Code No."), QStringLiteral("Name"),
               QStringLiteral("Status"), QStringLiteral("Due Date"), QStringLiteral("Filing Date")});
    int serial = 0;
    for (const AuditFiling::Entry &e : entries)
        w.boxed({QString::number(++serial), e.code, e.name, e.status, e.dueDate, e.filingDate});
    if (entries.isEmpty())
        w.line(QStringLiteral("No client is in this state."), ReportRow::Centre);
    engine.ShowReport();
}

} // namespace FilingStatusReport
