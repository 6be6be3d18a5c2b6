#include "PartAFixture.h"

#include "pages/ClauseGrid.h"
#include "store/ModuleState.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

// A typed value is kept as typed or refused with a message where it is typed, and again at
// the save: nothing is changed or dropped without a word.
class TypedValues : public PartATest
{
protected:
    // Types into a box of a shown page as the user does, and leaves it with Tab.
    void typeAndTab(ClausePage *page, const QString &name, const QString &text)
    {
        auto *edit = find<QLineEdit>(page, name);
        page->show();
        QApplication::setActiveWindow(page->window());
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    QString lineText(ClausePage *page, const QString &name) { return find<QLineEdit>(page, name)->text(); }
};

TEST_P(TypedValues, AMinusSignInAnAmountThatCannotBeNegativeIsRefusedNotDropped)
{
    ClausePage *page = open(FormKind::F3CA, 10);
    const QStringList before = stored(10, "22");
    env->prompt().clear();
    typeAndTab(page, "txt22", "-5000");
    EXPECT_EQ(env->prompt().lastText(),
              "Not a Valid Amount [-5000.00]: this amount cannot be negative in clause 22(a) (Amount)");
    EXPECT_EQ(lineText(page, "txt22"), "-5000.00");
    EXPECT_FALSE(page->SaveData());
    EXPECT_EQ(stored(10, "22"), before);

    auto *g = find<ClauseGrid>(page, "grd23");
    env->prompt().clear();
    QWidget *editor = nullptr;
    g->setCurrentCell(0, 5);
    QTest::keyClick(g, Qt::Key_F2);
    editor = g->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    static_cast<QLineEdit *>(editor)->selectAll();
    QTest::keyClicks(editor, "-5000");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(g->cellText(0, 5), "-5000.00");
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid Amount [-5000.00]: this amount cannot be negative in "
                                        "clause 23, row 1 (Payment made (Amount))");
    find<QLineEdit>(page, "txt22")->setText("5000");
    EXPECT_FALSE(page->SaveData());
    EXPECT_TRUE(env->prompt().lastText().startsWith("Not a Valid Amount [-5000.00]"));
}

TEST_P(TypedValues, AnAmountThatTheFormTakesBelowZeroKeepsItsSign)
{
    ClausePage *page = open(FormKind::F3CA, 5);
    auto *g = find<ClauseGrid>(page, "grd13e");
    env->prompt().clear();
    g->model()->setData(g->model()->index(0, 3), "-1,200");
    g->cellEdited(0, 3);
    EXPECT_EQ(g->cellText(0, 3), "-1200.00");
    EXPECT_TRUE(env->prompt().texts().isEmpty()) << env->prompt().lastText().toStdString();
}

TEST_P(TypedValues, TextInAnAmountBoxIsRefusedAndNeverLeavesTheOldValueSilently)
{
    ClausePage *page = open(FormKind::F3CA, 10);
    set(page, "txt22b", "1250000.00");
    ASSERT_TRUE(page->SaveData());
    env->prompt().clear();
    typeAndTab(page, "txt22b", "abc");
    EXPECT_EQ(lineText(page, "txt22b"), "abc");
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid Amount [abc] in clause 22(b) (Amount)");
    env->prompt().clear();
    EXPECT_FALSE(page->SaveData());
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid Amount [abc] in clause 22(b) (Amount)");
    EXPECT_EQ(stored(10, "22b"), QStringList{"1250000.00"});

    // Digit grouping is no fault: the amount is kept without it.
    typeAndTab(page, "txt22b", "12,50,000");
    EXPECT_EQ(lineText(page, "txt22b"), "1250000.00");
}

TEST_P(TypedValues, AnImpossibleSigningDateIsRefusedAtTabAndAtSave)
{
    ClausePage *page = open(FormKind::F3CA, 21);
    const QStringList before = stored(21, "DSIGN");
    env->prompt().clear();
    typeAndTab(page, "txtSignDate", "31/02/2026");
    const QString refused =
        "Not a Valid Date [31/02/2026]: enter it as DD/MM/YYYY (Date of signing Tax Audit Report)";
    EXPECT_EQ(env->prompt().lastText(), refused);
    EXPECT_EQ(lineText(page, "txtSignDate"), "31/02/2026");
    env->prompt().clear();
    EXPECT_FALSE(page->SaveData());
    EXPECT_EQ(env->prompt().lastText(), refused);
    EXPECT_EQ(stored(21, "DSIGN"), before);
}

TEST_P(TypedValues, TheReportIsNotSignedBeforeTheAuditReportItAnnexes)
{
    ClausePage *report = open(FormKind::F3CA, 1);
    ASSERT_EQ(text(report, "txtReportedDate"), "12/08/2026");
    env->prompt().clear();
    typeAndTab(report, "txtDOS", "01/08/2026");
    EXPECT_TRUE(env->prompt().lastText().startsWith(
        "Date of Signing the Report can not be Less than Reported Date. [01/08/2026]"))
        << env->prompt().lastText().toStdString();
    EXPECT_FALSE(report->SaveData());

    ClausePage *signing = open(FormKind::F3CA, 21);
    env->prompt().clear();
    typeAndTab(signing, "txtSignDate", "01/08/2026");
    EXPECT_TRUE(
        env->prompt().lastText().startsWith("Date of Signing the Report can not be Less than Reported"))
        << env->prompt().lastText().toStdString();
    EXPECT_FALSE(signing->SaveData());
}

TEST_P(TypedValues, AnAuditReportDatedBeforeTheYearsEndIsQuestionedOnce)
{
    ClausePage *page = open(FormKind::F3CA, 1);
    env->prompt().clear();
    typeAndTab(page, "txtReportedDate", "15/03/2026");
    const QString question = "The audit report of the accounts is dated 15/03/2026, not after the end of "
                             "the year on 31/03/2026.\nKeep this date?";
    EXPECT_EQ(env->prompt().lastText(), question);
    // No: the date is refused at the save too, and the question comes again.
    env->prompt().clear();
    EXPECT_FALSE(page->SaveData());
    EXPECT_EQ(env->prompt().lastText(), question);

    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes);
    EXPECT_TRUE(page->SaveData());
    EXPECT_EQ(env->prompt().texts(), QStringList{question});
    env->prompt().clear();
    EXPECT_TRUE(page->SaveData());
    EXPECT_TRUE(env->prompt().texts().isEmpty());
    EXPECT_EQ(stored(1, "3CA1").value(0).split('|').value(7), "15/03/2026");
}

TALVEX_BOTH_ENGINES(TypedValues);
