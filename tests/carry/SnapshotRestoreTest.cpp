#include "CarryTestSupport.h"

#include "commands/SnapshotRestore.h"
#include "store/ReportChange.h"
#include "store/ReportKey.h"

// The snapshot command as the editor's Snapshots menu runs it (a choice from the report's own
// snapshots) and as `taxaudit restore` runs it (a snapshot by its number).
class SnapshotRestoreTest : public CarryTest
{
protected:
    // Last year's report of C001 with a row, carried into this year's, which then holds a
    // snapshot of what it held before.
    QStringList carriedOver()
    {
        open("C001", "2025");
        store(20, "40a", {{"100", ""}});
        open("C001", "2026");
        const QStringList typed = rows();
        EXPECT_TRUE(carry());
        env->prompt().clear();
        return typed;
    }
};

TALVEX_BOTH_ENGINES(SnapshotRestoreTest);

TEST_P(SnapshotRestoreTest, TheEditorsChoiceRestoresOnlyTheReportsOwnSnapshots)
{
    open();
    SnapshotRestore::Result none = SnapshotRestore::chooseAndRestore(ReportKey::current());
    EXPECT_FALSE(none.restored);
    EXPECT_EQ(env->prompt().lastText(), none.refusal);
    EXPECT_TRUE(none.refusal.startsWith("No snapshot of this report has been kept yet")) << none.refusal.toStdString();

    const QStringList typed = carriedOver();
    const QStringList carried = rows();
    EXPECT_EQ(SnapshotRestore::list("C001", "2026", "3CA").size(), 1);
    EXPECT_TRUE(SnapshotRestore::list("C001", "2026", "3CEB").isEmpty());

    // Cancelled, and then declined at the question before the report is replaced.
    env->prompt().queueChoice(-1);
    EXPECT_FALSE(SnapshotRestore::chooseAndRestore(ReportKey::current()).restored);
    env->prompt().queueChoice(0);
    env->prompt().queueReplace(false);
    EXPECT_THROW(SnapshotRestore::chooseAndRestore(ReportKey::current()), ChangeDeclined);
    EXPECT_EQ(rows(), carried);

    env->prompt().clear();
    env->prompt().queueChoice(0);
    env->prompt().queueReplace(true);
    const SnapshotRestore::Result done = SnapshotRestore::chooseAndRestore(ReportKey::current());
    ASSERT_TRUE(done.restored);
    EXPECT_EQ(done.restored->what, "Importing the previous year's report");
    EXPECT_EQ(env->prompt().shown().front().kind, "choose");
    EXPECT_EQ(env->prompt().shown().front().answer, done.restored->text());
    EXPECT_EQ(rows(), typed);
}

TEST_P(SnapshotRestoreTest, ASnapshotByNumberIsRestoredOnlyForItsClientAndYear)
{
    const QStringList typed = carriedOver();
    const int id = SnapshotRestore::list("C001", "2026").first().id;

    const SnapshotRestore::Result elsewhere = SnapshotRestore::restore("C002", "2026", id);
    EXPECT_FALSE(elsewhere.restored);
    EXPECT_EQ(elsewhere.refusal,
              QStringLiteral("The report of client C002 for 2026 has no snapshot %1.").arg(id));

    env->prompt().queueReplace(true);
    const SnapshotRestore::Result done = SnapshotRestore::restore("C001", "2026", id);
    ASSERT_TRUE(done.restored);
    EXPECT_EQ(done.restored->id, id);
    EXPECT_EQ(rows(), typed);
}
