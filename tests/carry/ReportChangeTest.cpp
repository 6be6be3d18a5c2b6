#include "CarryTestSupport.h"

#include "commands/CarryCommands.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "model/carry/FillDefault.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/ReportChange.h"

#include <QRegularExpression>

// The question before a report holding data is replaced, the snapshot kept with the change,
// and the restore of a snapshot.
class ReportChangeTest : public CarryTest
{
protected:
    // Last year's report of C001 with a few rows, so that a carry has something to bring.
    void lastYear()
    {
        open("C001", "2025");
        store(20, "40a", {{"100", ""}});
        store(8, "20b", {{"Provident Fund", "1000", "15/05/2024", "1000", "10/05/2024"}});
        open("C001", "2026");
    }
    QList<ReportSnapshots::Snapshot> snapshots() { return ReportSnapshots::list("C001", "2026"); }
    QString question() const
    {
        for (const ScriptedPrompt::Shown &shown : env->prompt().shown()) {
            if (shown.title == ReportChange::QuestionTitle)
                return shown.text;
        }
        return {};
    }
};

TALVEX_BOTH_ENGINES(ReportChangeTest);

TEST_P(ReportChangeTest, AsksOnceNamingClientYearAndPagesAndNoChangesNothing)
{
    lastYear();
    const QStringList before = rows();
    ASSERT_FALSE(before.isEmpty());
    env->prompt().clear();
    env->prompt().queueReplace(false);
    CarryCommands::Answers answers;
    answers.withoutFigures = false;
    answers.requested = true;
    EXPECT_FALSE(CarryCommands::previousYear(answers));

    const QString text = question();
    EXPECT_TRUE(
        text.startsWith("Importing the previous year's report will change the Form 3CA-3CD report of "))
        << text.toStdString();
    EXPECT_TRUE(text.contains(" (C001) for A.Y. 2026-27:\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("    Page 20: ")) << text.toStdString();
    const int page8 =
        int(std::count_if(before.begin(), before.end(), [](const QString &r) { return r.startsWith("8|"); }));
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("\n    Page 8: %1 rows now, [0-9]+ rows after\n").arg(page8))))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("Do you want to continue?"));
    int asked = 0;
    for (const ScriptedPrompt::Shown &shown : env->prompt().shown())
        asked += shown.title == ReportChange::QuestionTitle;
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(rows(), before);
    EXPECT_TRUE(snapshots().isEmpty());
}

TEST_P(ReportChangeTest, YesKeepsSnapshotThatRestoresAndRestoreIsUndoable)
{
    lastYear();
    const QStringList typed = rows();
    ASSERT_TRUE(carry());
    const QStringList carried = rows();
    ASSERT_NE(carried, typed);

    QList<ReportSnapshots::Snapshot> kept = snapshots();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept.first().rows, typed.size());
    EXPECT_EQ(kept.first().what, "Importing the previous year's report");
    EXPECT_EQ(kept.first().formCode, "3CA");

    ReportSnapshots::restore(kept.first());
    EXPECT_EQ(rows(), typed);
    kept = snapshots();
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(kept.first().what, QStringLiteral("Restoring snapshot %1").arg(kept.last().id));

    // The restore kept the carried report: restoring that undoes the restore.
    ReportSnapshots::restore(kept.first());
    EXPECT_EQ(rows(), carried);
    EXPECT_EQ(snapshots().size(), 3);
}

// Fill Default copied every row of the report into its snapshot, a long clause 34(a) grid
// too, though it writes only pages with empty clauses: it now keeps the pages it fills, and
// their restore leaves the other pages as they are by then.
TEST_P(ReportChangeTest, FillDefaultKeepsAndRestoresOnlyThePagesItFills)
{
    open();
    const QStringList before = rows();
    const auto onPages = [](const QStringList &all, const QList<int> &pages) {
        QStringList kept;
        for (const QString &row : all) {
            if (pages.contains(row.section(u'|', 0, 0).toInt()))
                kept << row;
        }
        return kept;
    };
    env->prompt().clear();
    QList<int> filled = FillDefault::run(*ReportModel::load());
    ASSERT_FALSE(filled.isEmpty());
    ASSERT_FALSE(filled.contains(2));
    std::sort(filled.begin(), filled.end());
    EXPECT_TRUE(
        question().endsWith("The pages it changes are kept as they are now as a snapshot, which can be "
                            "restored.\nDo you want to continue?"))
        << question().toStdString();

    const QList<ReportSnapshots::Snapshot> kept = snapshots();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept.first().what, "Fill Default");
    EXPECT_EQ(kept.first().pages, filled);
    EXPECT_EQ(kept.first().rows, onPages(before, filled).size());
    EXPECT_LT(kept.first().rows, before.size());
    EXPECT_TRUE(kept.first().text().contains(QStringLiteral(", pages %1, ").arg(filled.first())))
        << kept.first().text().toStdString();
    EXPECT_EQ(env->host()
                  .DBObj()
                  .Execute(QStringLiteral("SELECT COUNT(*) FROM report_snapshot_row WHERE SnapshotId=?"),
                           {kept.first().id})
                  .Fields(0)
                  .toInt(),
              kept.first().rows);

    // A later change on a page Fill Default left alone survives the restore.
    store(2, "8",
          {{"Clause 44AB(a)- Total sales/turnover/gross receipts of business exceeding specified limits"}});
    const QStringList page2 = onPages(rows(), {2});
    ReportSnapshots::restore(kept.first());
    EXPECT_EQ(onPages(rows(), filled), onPages(before, filled));
    EXPECT_EQ(onPages(rows(), {2}), page2);
    ASSERT_EQ(snapshots().size(), 2);
    EXPECT_EQ(snapshots().first().pages, filled);
}

TEST_P(ReportChangeTest, FailedChangeLeavesNeitherSnapshotNorChange)
{
    open();
    const QStringList before = rows();
    ASSERT_FALSE(before.isEmpty());
    Database &db = env->host().DBObj();
    EXPECT_THROW(
        {
            ReportChange change(ReportKey::current(), QStringLiteral("Importing"));
            db.Execute(QStringLiteral("DELETE FROM anx_j3cd_2026 WHERE Code_No=?"), {"C001"});
            db.Execute(QStringLiteral("INSERT INTO no_such_table (Code_No) VALUES (?)"), {"C001"});
            change.commit();
        },
        DbError);
    EXPECT_EQ(rows(), before);
    EXPECT_TRUE(snapshots().isEmpty());
    EXPECT_EQ(db.transactionDepth(), 0);
}

TEST_P(ReportChangeTest, ReportWithoutRowsIsFilledWithoutQuestionOrSnapshot)
{
    open();
    Database &db = env->host().DBObj();
    db.Execute(QStringLiteral("DELETE FROM anx_j3cd_2026 WHERE Code_No=?"), {"C002"});
    env->prompt().clear();
    env->prompt().setReplaceAnswer(false);
    {
        ReportChange change(ReportKey::of("C002", "2026", FormKind::F3CA), QStringLiteral("Importing"));
        db.Execute(QStringLiteral("INSERT INTO anx_j3cd_2026 (Code_No,FYr,FormName,PageNo,PointNo,Col1) "
                                  "VALUES (?,?,?,?,?,?)"),
                   {"C002", "2026", "3CD", 20, "40a", "5"});
        change.commit();
    }
    EXPECT_TRUE(question().isEmpty());
    EXPECT_TRUE(ReportSnapshots::list("C002", "2026").isEmpty());
}

TEST_P(ReportChangeTest, WithoutFiguresClearsLastYearsDatesAndWritesZerosAsTheCellTakesThem)
{
    open("C001", "2025");
    store(20, "40e", {{"100", "200", "50.00", "", "", ""}});
    store(16, "32a", {{"1", "2023-24", "Business loss", "500", "0", "0", "500", "ORD/1", "", "10/10/2024"}});
    store(17, "34b", {{"AAATA1234A", "24Q", "31/07/2024", "30/07/2024", "Yes"}});
    QStringList partA = point(1, "3CA1").value(0);
    partA.resize(23);
    partA[7] = "12/08/2025";
    store(1, "3CA1", {partA});
    lastYear();
    ASSERT_TRUE(carry(true));

    const QStringList e = point(20, "40e").value(0);
    EXPECT_EQ(e.mid(0, 6), (QStringList{"0", "0", "0.00", "0", "0", "0.00"}));
    const QStringList a = point(20, "40a").value(0);
    EXPECT_EQ(a.mid(0, 2), (QStringList{"0", "0"}));
    const QStringList b = point(8, "20b").value(0);
    EXPECT_EQ(b.value(2), "");
    EXPECT_EQ(b.value(4), "");
    const QStringList loss = point(16, "32a").value(0);
    EXPECT_EQ(loss.value(1), "");
    EXPECT_EQ(loss.value(9), "");
    EXPECT_EQ(loss.value(2), "Business loss");
    const QStringList tds = point(17, "34b").value(0);
    EXPECT_EQ(tds.value(2), "");
    EXPECT_EQ(tds.value(3), "");
    EXPECT_EQ(point(1, "3CA1").value(0).value(7), "");
    EXPECT_EQ(point(1, "3CA1").value(0).value(9), "01/04/2025");
}
