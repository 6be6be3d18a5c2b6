#include "CarryTestSupport.h"

#include "dialogs/ClauseSelectionDialog.h"
#include "editor/Form3CD.h"
#include "commands/CarryCommands.h"
#include "host/DemoClauses.h"
#include "host/HostSchema.h"
#include "model/carry/ReportCarry.h"
#include "store/Database.h"

#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

class OtherReport : public CarryTest
{
protected:
    bool importFrom(const QString &source, const QStringList &ticked)
    {
        env->prompt().clear();
        env->prompt().setDefaultYes(true);
        return CarryCommands::anotherClient(
            [&ticked](const QString &, const QList<ReportCarry::Offer> &) { return ticked; }, source);
    }
};

TALVEX_BOTH_ENGINES(OtherReport);

TEST_P(OtherReport, OffersTheClausesTheSourceHoldsWithTheirLabelsAndWording)
{
    open("C001");
    store(3, "9a", {{"Asha Rao", "50.00"}});
    store(18, "35bBFP", {{"Yarn", "Kg", "100", "", "", "", "", "", "", "1"}});
    store(9, "21bia", {{"Rent", "194I", "120000.00"}});
    store(7, "18", {{"Building", "10", "500000.00"}});
    open("C004");
    const QList<ReportCarry::Offer> offers = ReportCarry::offers(ReportKey::current(), "C001");
    QHash<QString, ReportCarry::Offer> byKey;
    for (const auto &offer : offers)
        byKey.insert(offer.key, offer);
    EXPECT_FALSE(byKey.contains("UDIN"));
    for (const auto &[key, label] :
         {std::pair{QString("9a"), QString("9. (a)")}, std::pair{QString("10b"), QString("10. (b)")},
          std::pair{QString("11a"), QString("11. (a)")}, std::pair{QString("35bBFP"), QString("35. (b) B.")},
          std::pair{QString("21bia"), QString("21. (b) (i) A.")}, std::pair{QString("18"), QString("18.")}}) {
        ASSERT_TRUE(byKey.contains(key)) << key.toStdString();
        EXPECT_EQ(byKey[key].label, label);
    }
    EXPECT_TRUE(byKey["11a"].caption.startsWith("Whether"));
}

TEST_P(OtherReport, DeletesAllButTheRemarksAndTakesTheTickedClauses)
{
    open("C001");
    store(20, "40a", {{"9500000", "9100000"}});
    store(7, "18", {{"Building", "10", "500000.00"}});
    open("C004");
    store(301, "R15", {{"Stock taken by the management."}});
    store(1, "3CA1", {{"We", "us", "Rao & Co"}});
    store(2, "3CD_A", {{"7", "Private Limited Company", "01/04/2025", "31/03/2026", "2026-27"}});
    store(17, "33", {{"Own clause", ""}});
    ASSERT_TRUE(importFrom("C001", {"11a", "18", "40"}));
    const QStringList asked = env->prompt().texts();
    ASSERT_EQ(asked.size(), 3) << asked.join(" / ").toStdString();
    EXPECT_EQ(asked[0],
              "Do you really want to Import Data and Annexures for Selected Items from Selected 3CD");
    EXPECT_EQ(asked[1], "It will delete all Existing Data and Annexures. Do you want to Continue?");
    EXPECT_EQ(asked[2], "Imported Successfully.");
    EXPECT_EQ(point(4, "11a").size(), 5);
    EXPECT_EQ(point(4, "Opt11a")[0][0], "Yes");
    EXPECT_TRUE(point(3, "10b").isEmpty());
    EXPECT_TRUE(point(17, "33").isEmpty());
    EXPECT_TRUE(point(1, "3CA1").isEmpty());
    EXPECT_TRUE(point(2, "3CD_A").isEmpty());
    EXPECT_EQ(point(301, "R15")[0][0], "Stock taken by the management.");
    // The figure boxes are this client's to enter; the depreciation blocks keep theirs.
    EXPECT_EQ(point(20, "40a")[0].mid(0, 2), (QStringList{"0", "0"}));
    open("C001");
    const QList<QStringList> sourceBlocks = point(7, "18");
    open("C004");
    ASSERT_FALSE(sourceBlocks.isEmpty());
    EXPECT_EQ(point(7, "18"), sourceBlocks);
}

TEST_P(OtherReport, QualificationsFollowTheFormOfTheReport)
{
    open("C001");
    Transaction transaction(env->host().DBObj());
    DemoData::insertFilledClauses("2026");
    transaction.commit();
    ASSERT_FALSE(point(1, "3CAQual").isEmpty());
    open("C004", "2026", FormKind::F3CB);
    ASSERT_TRUE(importFrom("C001", {"Qual"}));
    EXPECT_FALSE(point(101, "Qual").isEmpty());
    EXPECT_TRUE(point(1, "3CAQual").isEmpty());
}

TEST_P(OtherReport, NoOtherReportIsSaid)
{
    open("C001", "2024");
    HostSchema::ensureYearTables(env->host().DBObj(), "2024");
    EXPECT_FALSE(importFrom({}, {"11a"}));
    EXPECT_EQ(env->prompt().texts(), QStringList{"No Other 3CD found."});
}

// Two workstations import at the same moment: a carry reads last year's rows where they are,
// through no scratch table that another workstation's import could hold or fill.
TEST_P(OtherReport, ACarryMeetsNoOtherWorkstationsScratchTable)
{
    open("C001", "2026");
    Database &mine = env->host().DBObj();
    auto other = Database::open(mine.url());
    Transaction theirs(*other);
    other->Execute("CREATE TEMPORARY TABLE tmp_import AS SELECT 'theirs' AS Code_No");
    const QStringList before = rows();
    ASSERT_TRUE(
        ReportCarry::previousYear(ReportKey::current(), EarlierRows::Format::Current, [] { return false; }));
    Recordset rs = other->Execute("SELECT Code_No FROM tmp_import");
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields(0), "theirs");
    EXPECT_NE(rows(), before);
}

TEST_P(OtherReport, TheEditorTicksInItsWindowAndReloads)
{
    open("C004");
    Form3CD editor;
    env->prompt().clear();
    env->prompt().setDefaultYes(true);
    env->prompt().queueChoice(0); // C001
    editor.runCommand(EditorCommand::ImportAnotherClient);
    EXPECT_EQ(env->prompt().lastText(), "Imported Successfully.");
    EXPECT_EQ(point(4, "11a").size(), 5);
}

TEST_P(OtherReport, ThisYearsOlderTableReplacesTheReportButNotItsRemarks)
{
    open("C002");
    store(301, "R15", {{"Kept"}});
    store(17, "33", {{"Replaced", ""}});
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes); // import from the old format
    env->prompt().queue(PromptAnswer::No);  // not the oldest one
    ASSERT_TRUE(CarryCommands::oldFormat());
    EXPECT_EQ(env->prompt().lastText(), "Import Successfully.");
    const QList<QStringList> books = point(4, "11a");
    ASSERT_EQ(books.size(), 2);
    EXPECT_EQ(books[1][0], "Ledger");
    EXPECT_EQ(books[1][22], "2");
    EXPECT_EQ(point(5, "14a")[0][0], "At cost or market price, whichever is lower");
    EXPECT_EQ(point(10, "23")[0].mid(0, 6), (QStringList{"Kiran Mehta", "AAFPM4521K", "", "Partner's wife",
                                                         "Rent of the shop", "240000.00"}));
    EXPECT_TRUE(point(17, "33").isEmpty());
    EXPECT_EQ(point(301, "R15")[0][0], "Kept");
}

TEST_P(OtherReport, TheSelectionWindowTicksClausesAndNamesTheClient)
{
    open("C004");
    const auto clients = ReportCarry::otherClients(ReportKey::current());
    ASSERT_FALSE(clients.isEmpty());
    EXPECT_EQ(clients.first().code, "C001");
    EXPECT_TRUE(clients.first().text().startsWith("C001  ")) << clients.first().text().toStdString();
    EXPECT_GT(clients.first().text().size(), 6);

    ClauseSelectionDialog dialog(clients.first().text(), ReportCarry::offers(ReportKey::current(), "C001"));
    auto *list = dialog.findChild<QTreeWidget *>("lstClauses");
    auto *import = dialog.findChild<QPushButton *>("cmdImport");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(import, nullptr);
    EXPECT_FALSE(import->isEnabled());
    ASSERT_GT(list->topLevelItemCount(), 1);
    QTreeWidgetItem *books = nullptr;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(0) == "11. (a)")
            books = list->topLevelItem(i);
    }
    ASSERT_NE(books, nullptr);
    EXPECT_TRUE(books->text(1).startsWith("Whether"));
    books->setCheckState(0, Qt::Checked);
    EXPECT_TRUE(import->isEnabled());
    EXPECT_EQ(dialog.ticked(), QStringList{"11a"});
    dialog.findChild<QPushButton *>("cmdSelectAll")->click();
    EXPECT_EQ(dialog.ticked().size(), list->topLevelItemCount());
    EXPECT_EQ(dialog.findChild<QLabel *>("lblTicked")->text(),
              QString("%1 of %1 ticked").arg(list->topLevelItemCount()));
    dialog.findChild<QPushButton *>("cmdClearAll")->click();
    EXPECT_TRUE(dialog.ticked().isEmpty());
    EXPECT_FALSE(import->isEnabled());

    // The accountant clicks a clause's wording, moves down with the arrow keys and ticks with
    // Space, as in any list of tick boxes.
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const int row = list->indexOfTopLevelItem(books);
    const QRect wording = list->visualItemRect(books).adjusted(list->columnWidth(0) + 4, 0, 0, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, wording.center());
    QTest::keyClick(list, Qt::Key_Space);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(dialog.ticked(),
              (QStringList{"11a", list->topLevelItem(row + 1)->data(0, Qt::UserRole).toString()}));
}
