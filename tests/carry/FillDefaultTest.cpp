#include "CarryTestSupport.h"

#include "editor/Form3CD.h"
#include "model/ReportModel.h"
#include "model/carry/FillDefault.h"
#include "pages/ClauseGrid.h"
#include "pages/ClausePage.h"

#include <QLineEdit>

class FillDefaultTest : public CarryTest
{
protected:
    QList<int> fill()
    {
        const auto report = ReportModel::load();
        return FillDefault::run(*report);
    }
};

TALVEX_BOTH_ENGINES(FillDefaultTest);

TEST_P(FillDefaultTest, AnswersWhatIsEmptyAndKeepsWhatWasEntered)
{
    open();
    store(4, "11b",
          {{"Cash Book", "", "", "", "", "", "", "", ""}, {"Ledger", "", "", "", "", "", "", "", ""}});
    store(16, "32c", {{"125000.00"}});
    store(16, "Opt32c", {{"Yes"}});
    ASSERT_FALSE(fill().isEmpty());

    EXPECT_EQ(point(5, "14a")[0][0], "NA");
    EXPECT_TRUE(point(11, "26").isEmpty());
    EXPECT_TRUE(point(12, "27a1").isEmpty() || point(12, "27a1").first().join("").isEmpty());
    // The books entered stay as they were; an empty grid becomes one "Nil" row.
    ASSERT_EQ(point(4, "11b").size(), 2);
    EXPECT_EQ(point(4, "11b")[1][0], "Ledger");
    ASSERT_EQ(point(6, "15").size(), 1);
    EXPECT_EQ(point(6, "15")[0].mid(0, 4), (QStringList{"Nil", "Nil", "Nil", "Nil"}));
    EXPECT_EQ(point(6, "15")[0][22], "1");
    // Questions: "NA" where there is such a choice, else "No", and the clause follows the answer.
    EXPECT_EQ(point(19, "Opt37")[0][0], "NA");
    EXPECT_EQ(point(19, "37")[0][0], "NA");
    EXPECT_EQ(point(17, "Opt33")[0][0], "No");
    EXPECT_EQ(point(17, "33")[0].mid(0, 2), (QStringList{"Nil", "Nil"}));
    EXPECT_EQ(point(16, "32c")[0][0], "125000.00");
    // A private company has no partners: clause 9(b) does not arise.
    EXPECT_EQ(point(3, "Opt9b")[0][0], "NA");
    EXPECT_EQ(point(9, "21biii")[0][0], "Nil");
    // The signing page keeps its own.
    EXPECT_EQ(point(21, "UDIN").size(), 1);
    EXPECT_NE(point(21, "UDIN")[0][0], "Nil");
}

TEST_P(FillDefaultTest, ASecondRunChangesNothing)
{
    open();
    fill();
    const QStringList once = rows();
    EXPECT_TRUE(fill().isEmpty());
    EXPECT_EQ(rows(), once);
}

TEST_P(FillDefaultTest, APaymentEnteredWithoutItsAnswerIsAnsweredYes)
{
    open();
    store(9, "21da", {{"12/05/2025", "Freight", "15000.00", "Ravi Transport", "", ""}});
    fill();
    EXPECT_EQ(point(9, "Opt21da")[0][0], "Yes");
    EXPECT_EQ(point(9, "21da")[0][1], "Freight");
    EXPECT_EQ(point(9, "Opt21db")[0][0], "No");
}

TEST_P(FillDefaultTest, AFirmAnswersTheChangeInPartnersNo)
{
    open("C002");
    store(2, "3CD_A", {{"3", "Firm", "01/04/2025", "31/03/2026", "2026-27"}});
    fill();
    EXPECT_EQ(point(3, "Opt9b")[0][0], "No");
    EXPECT_EQ(point(5, "13a")[0][0], "MERCANTILE SYSTEM");
}

// A clause kept in the annexure window has no grid of its own besides the clause's: an empty
// one takes its "Nil" row like any other, an entered one is kept as entered.
TEST_P(FillDefaultTest, AClauseKeptAsPerAnnexureIsFilledAsItsGrid)
{
    open();
    store(201, "Annex20b", {{"1"}});
    store(201, "Annex23", {{"1"}});
    store(10, "23", {{"Kiran Mehta", "AAFPM4521K", "", "Relative", "", ""}});
    fill();
    ASSERT_EQ(point(8, "20b").size(), 1);
    EXPECT_EQ(point(8, "20b")[0].mid(0, 5), QStringList(5, "Nil"));
    ASSERT_EQ(point(10, "23").size(), 1);
    EXPECT_EQ(point(10, "23")[0].mid(0, 6),
              (QStringList{"Kiran Mehta", "AAFPM4521K", "", "Relative", "", ""}));
    EXPECT_EQ(point(201, "Annex20b")[0][0], "1");
}

TEST_P(FillDefaultTest, TheFilledReportWritesAFileTheSchemaAccepts)
{
    open();
    fill();
    EXPECT_EQ(schemaFindings(), QStringList());
}

TEST_P(FillDefaultTest, TheEditorAsksSavesFillsAndShowsTheFilledPage)
{
    open();
    Form3CD editor;
    editor.show();
    auto *page5 = editor.page(5);
    editor.cmdPages_Click(5);
    auto *text = page5->findChild<QLineEdit *>("txt14a");
    ASSERT_NE(text, nullptr);
    text->setText("Cost or net realisable value, whichever is lower");
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes);
    editor.runCommand(EditorCommand::FillDefault);
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{"Do you want to fill default values.?", "Fill Successfully."}));
    // The text typed before the command was saved and kept; the other clauses were filled.
    EXPECT_EQ(text->text(), "Cost or net realisable value, whichever is lower");
    auto *grid = editor.page(6)->findChild<ClauseGrid *>("grd15");
    ASSERT_NE(grid, nullptr);
    ASSERT_GE(grid->rowCount(), 1);
    EXPECT_EQ(grid->cellText(0, 0), "Nil");
}

TEST_P(FillDefaultTest, NoToTheQuestionFillsNothing)
{
    open();
    const QStringList before = rows();
    Form3CD editor;
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::No);
    editor.runCommand(EditorCommand::FillDefault);
    EXPECT_EQ(rows(), before);
}
