#include "SnapshotRestore.h"

#include "base/Prompt.h"

namespace SnapshotRestore
{

QList<ReportSnapshots::Snapshot> list(const QString &client, const QString &yearKey, const QString &formCode)
{
    QList<ReportSnapshots::Snapshot> kept;
    for (const ReportSnapshots::Snapshot &s : ReportSnapshots::list(client, yearKey)) {
        if (formCode.isEmpty() || s.formCode == formCode)
            kept << s;
    }
    return kept;
}

Result chooseAndRestore(const ReportKey &report)
{
    const QList<ReportSnapshots::Snapshot> snapshots =
        list(report.client, report.yearKey, report.form.formCode);
    if (snapshots.isEmpty()) {
        const QString none =
            QStringLiteral("No snapshot of this report has been kept yet: one is kept before "
                           "each import, carry forward, Clear or Fill Default.");
        prompts().inform(none);
        return {std::nullopt, none};
    }
    QStringList items;
    for (const ReportSnapshots::Snapshot &s : snapshots)
        items << s.text();
    const int chosen =
        prompts().choose(QStringLiteral("Snapshots"), QStringLiteral("Restore the report as it was:"), items);
    if (chosen < 0)
        return {};
    ReportSnapshots::restore(snapshots.at(chosen));
    return {snapshots.at(chosen), {}};
}

Result restore(const QString &client, const QString &yearKey, int id)
{
    const std::optional<ReportSnapshots::Snapshot> snapshot = ReportSnapshots::find(client, yearKey, id);
    if (!snapshot)
        return {std::nullopt, QStringLiteral("The report of client %1 for %2 has no snapshot %3.")
                                  .arg(client, yearKey)
                                  .arg(id)};
    ReportSnapshots::restore(*snapshot);
    return {snapshot, {}};
}

QString restoredText()
{
    return QStringLiteral(
        "The snapshot was restored; the report as it was before is kept as a snapshot too.");
}

} // namespace SnapshotRestore
