#include "FilingCommands.h"

#include "Commands.h"
#include "base/DateService.h"
#include "host/AuditFiling.h"
#include "store/ClauseTables.h"
#include "host/TalvexBase.h"
#include "print/FilingStatusReport.h"
#include "print/ReportEngine.h"

#include <QDir>
#include <QFileInfo>

namespace FilingCommands
{

int filingStatus(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString year = line.value(QStringLiteral("--year"));
    if (!ClauseTables::isValidYearKey(year)) {
        err << "Give the year key (2026 for 2025-26) with --year.\n";
        return 2;
    }
    const AuditFiling::Listed listed = AuditFiling::listedOf(line.value(QStringLiteral("--flag")));
    const QList<AuditFiling::Entry> entries = AuditFiling::list(host.DBObj(), year, listed);
    const QString pdf = line.value(QStringLiteral("--pdf"));
    if (pdf.isEmpty()) {
        for (const AuditFiling::Entry &e : entries)
            out << QStringList{e.code, e.name, e.status, e.dueDate, e.filingDate}.join(u'\t') << '\n';
        return 0;
    }
    if (!mayWrite(pdf, line, err))
        return 2;
    ReportEngine engine;
    FilingStatusReport::build(engine, AuditFiling::titleOf(listed), year, entries);
    QString reason;
    if (!engine.saveAsPdf(pdf, &reason)) {
        err << "Cannot write " << pdf << ": " << reason << '\n';
        return 2;
    }
    out << QDir::toNativeSeparators(QFileInfo(pdf).absoluteFilePath()) << '\n';
    return 0;
}

int recordFiling(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!selectClientAndYear(host, line, err))
        return 2;
    const QString code = line.value(QStringLiteral("--client"));
    const QString year = line.value(QStringLiteral("--year"));
    const QString given = line.value(QStringLiteral("--status")).toLower();
    const QString status = given == QLatin1String("filed")      ? AuditFiling::Filed
                           : given == QLatin1String("approval") ? AuditFiling::PendingForApproval
                           : given == QLatin1String("pending")  ? AuditFiling::Pending
                                                                : QString();
    if (status.isEmpty()) {
        err << "--status takes pending, approval or filed.\n";
        return 2;
    }
    const QString date = line.value(QStringLiteral("--date"));
    if (status == AuditFiling::Filed && !DateService::isDate(date)) {
        err << "Give the date of filing as dd/mm/yyyy with --date.\n";
        return 2;
    }
    bool known = false;
    for (const AuditFiling::Entry &e : AuditFiling::list(host.DBObj(), year))
        known = known || e.code == code;
    if (!known) {
        err << "There is no client " << code << ".\n";
        return 2;
    }
    AuditFiling::record(host.DBObj(), code, year, status, DateService::ConvertDate(date));
    out << code << '\t' << status << '\n';
    return 0;
}

} // namespace FilingCommands
