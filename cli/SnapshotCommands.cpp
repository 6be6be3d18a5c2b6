#include "SnapshotCommands.h"

#include "Commands.h"
#include "commands/SnapshotRestore.h"
#include "host/TalvexBase.h"

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
    for (const ReportSnapshots::Snapshot &s : SnapshotRestore::list(host.Temp_Code(), host.yearKey()))
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
    const SnapshotRestore::Result result = SnapshotRestore::restore(host.Temp_Code(), host.yearKey(), id);
    if (!result.restored) {
        err << oneLine(result.refusal) << '\n';
        return 2;
    }
    out << oneLine(host.Temp_Code()) << '\t' << host.yearKey() << "\tsnapshot " << id << "\tRestored\n";
    return 0;
}

} // namespace SnapshotCommands
