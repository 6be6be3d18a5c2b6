#include "FilingCommands.h"

#include "Commands.h"
#include "base/DateService.h"
#include "host/AuditFiling.h"
#include "host/TalvexBase.h"
#include "store/ClauseTables.h"

namespace FilingCommands
{

bool statusEntries(TalvexBase &host, const CommandLine &line, QTextStream &err,
                   QList<AuditFiling::Entry> &entries)
{
    const QString year = line.value(QStringLiteral("--year"));
    if (!ClauseTables::isValidYearKey(year)) {
        err << "Give the year key (2026 for 2025-26) with --year.\n";
        return false;
    }
    entries =
        AuditFiling::list(host.DBObj(), year, AuditFiling::listedOf(line.value(QStringLiteral("--flag"))));
    return true;
}

int filingStatus(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    QList<AuditFiling::Entry> entries;
    if (!statusEntries(host, line, err, entries))
        return 2;
    for (const AuditFiling::Entry &e : entries)
        out << QStringList{e.code, e.name, e.status, e.dueDate, e.filingDate}.join(u'\t') << '\n';
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
