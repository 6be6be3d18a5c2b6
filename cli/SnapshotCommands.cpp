#include "SnapshotCommands.h"

#include "Commands.h"
#include "host/TalvexBase.h"
#include "store/ReportChange.h"

namespace SnapshotCommands
{

int list(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!line.arguments.isEmpty()) {
        err << "usage: taxaudit snapshots --client C --year Y\n";
        return 2;
    }
    if (!selectClientAndYear(host, line, err))
        return 2;
    for (const ReportSnapshots::Snapshot &s : ReportSnapshots::list(host.Temp_Code(), host.yearKey()))
        out << s.id << '\t' << s.taken << '\t' << s.formCode << '\t' << s.rows << '\t' << oneLine(s.what)
            << '\n';
    return 0;
}

int restore(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    bool number = false;
    const int id = line.value(QStringLiteral("--snapshot")).toInt(&number);
    if (!line.arguments.isEmpty() || !number) {
        err << "usage: taxaudit restore --client C --year Y --snapshot N [--yes]\n";
        return 2;
    }
    if (!selectClientAndYear(host, line, err))
        return 2;
    const std::optional<ReportSnapshots::Snapshot> snapshot =
        ReportSnapshots::find(host.Temp_Code(), host.yearKey(), id);
    if (!snapshot) {
        err << "The report of client " << oneLine(host.Temp_Code()) << " for " << host.yearKey()
            << " has no snapshot " << id << ".\n";
        return 2;
    }
    ReportSnapshots::restore(*snapshot);
    out << oneLine(host.Temp_Code()) << '\t' << host.yearKey() << "\tsnapshot " << id << "\tRestored\n";
    return 0;
}

} // namespace SnapshotCommands
