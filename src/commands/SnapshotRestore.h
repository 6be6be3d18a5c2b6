#pragma once

#include "store/ReportChange.h"
#include "store/ReportKey.h"

#include <QList>
#include <QString>
#include <optional>

// The snapshots a report's changes keep, listed and put back, as the editor's Snapshots
// command and `taxaudit snapshots` / `taxaudit restore` run them. The restore asks before it
// replaces the report (ChangeDeclined when the user says No) and keeps a snapshot of what it
// replaces.
namespace SnapshotRestore
{

// The snapshots of a client's reports of a year, newest first: every form's, or only those of
// `formCode` ("3CA", "3CB", "3CEB") when it is given.
QList<ReportSnapshots::Snapshot> list(const QString &client, const QString &yearKey,
                                      const QString &formCode = {});

// What a restore did: the snapshot put back, none when nothing was restored.
struct Result {
    std::optional<ReportSnapshots::Snapshot> restored;
    QString refusal; // why nothing was restored, when the user was not asked
};

// Offers the snapshots of the report's form to choose from and puts the one chosen back.
Result chooseAndRestore(const ReportKey &report);
// Puts back the snapshot of that number, when it is one of the client's reports of the year.
Result restore(const QString &client, const QString &yearKey, int id);

// "The snapshot was restored; ...", told once the report shows it.
QString restoredText();

} // namespace SnapshotRestore
