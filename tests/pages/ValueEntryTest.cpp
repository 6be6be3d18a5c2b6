#include "PageFixture.h"

#include "pages/ClauseSection.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>

// Values are checked by their column's kind where they are typed and again at every save.
class ValueEntry : public PageTest
{
};

TEST_P(ValueEntry, APanTypedInAGridIsKeptInCapitalsAndABadOneIsRefusedWhereItIsTyped)
{
    ClausePage *page = open(9);
    ClauseGrid *g = grid(page, "grd21bvi"); // PAN in column 3
    g->setRowCount(2);
    env->prompt().clear();
    typeInto(g, 0, 3, "aabcs1234k");
    EXPECT_EQ(g->cellText(0, 3), "AABCS1234K");
    EXPECT_TRUE(env->prompt().texts().isEmpty());

    typeInto(g, 1, 3, "abcde12345");
    EXPECT_TRUE(
        env->prompt().lastText().startsWith("Not a Valid PAN [ABCDE12345] in clause 21(b)(vii), row 2 ("))
        << env->prompt().lastText().toStdString();
    // The cell keeps the focus so that the value is corrected there.
    EXPECT_EQ(g->currentRow(), 1);
    EXPECT_EQ(g->currentColumn(), 3);
}

TEST_P(ValueEntry, ABadGridValueIsNotSavedEvenWithoutValidation)
{
    ClausePage *page = open(9);
    ClauseGrid *g = grid(page, "grd21bvi");
    const QStringList before = stored(9, "21bvi");
    g->setRowCount(1);
    g->setCellText(0, 3, "abcde12345");
    env->prompt().clear();
    EXPECT_FALSE(page->SaveData());
    EXPECT_TRUE(env->prompt().lastText().startsWith("Not a Valid PAN [abcde12345] in clause "))
        << env->prompt().lastText().toStdString();
    EXPECT_EQ(g->currentColumn(), 3);
    EXPECT_EQ(stored(9, "21bvi"), before);

    g->setCellText(0, 3, "AABCS1234K");
    g->setCellText(0, 0, "31/02/2025");
    EXPECT_FALSE(page->SaveData());
    EXPECT_TRUE(env->prompt().lastText().startsWith("Not a Valid Date [31/02/2025]"));
    EXPECT_EQ(g->currentColumn(), 0);
}

TEST_P(ValueEntry, AnAmountCellKeepsFiguresOnlyAndRefusesOtherText)
{
    ClausePage *page = open(9);
    ClauseGrid *g = grid(page, "grd21bvi"); // the amount of payment in column 1
    const QStringList before = stored(9, "21bvi");
    g->setRowCount(1);
    // Digit grouping is dropped; a word typed with the figures is refused where it is typed,
    // not dropped key by key.
    env->prompt().clear();
    typeInto(g, 0, 1, "1,00,000 lakhs");
    EXPECT_EQ(g->cellText(0, 1), "1,00,000 lakhs");
    EXPECT_TRUE(env->prompt().lastText().startsWith("Not a Valid Amount [1,00,000 lakhs] in clause "))
        << env->prompt().lastText().toStdString();
    typeInto(g, 0, 1, "1,00,000");
    EXPECT_EQ(g->cellText(0, 1), "100000.00");
    g->model()->setData(g->model()->index(0, 1), "2,50,000.50");
    EXPECT_EQ(g->cellText(0, 1), "250000.50");

    // Text that reaches the cell another way is refused at the save, and nothing is kept.
    g->setCellText(0, 0, "15/07/2025");
    g->setCellText(0, 1, "12 lakhs");
    env->prompt().clear();
    EXPECT_FALSE(page->SaveData());
    EXPECT_TRUE(env->prompt().lastText().startsWith("Not a Valid Amount [12 lakhs] in clause "))
        << env->prompt().lastText().toStdString();
    EXPECT_EQ(g->currentColumn(), 1);
    EXPECT_EQ(stored(9, "21bvi"), before);
}

TEST_P(ValueEntry, AShortUdinAndAWrongPanOnTheReportPageAreNotSaved)
{
    ClausePage *signing = open(21);
    auto *udin = find<QLineEdit>(signing, "txtUDIN");
    udin->setText("12345678ABCDEFGHI"); // seventeen characters
    env->prompt().clear();
    EXPECT_FALSE(signing->SaveData());
    EXPECT_EQ(env->prompt().lastText(), "Please specify Valid 18-Digits 'UDIN' !");

    ClausePage *report = open(1);
    auto *pan = find<QLineEdit>(report, "txtPAN");
    pan->setText("ABCDE12345");
    EXPECT_FALSE(report->SaveData());
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid PAN [ABCDE12345]");
}

TEST_P(ValueEntry, EnterPassesOverComputedColumnsWhoseHintsSayTheyAreComputed)
{
    ClausePage *page = open(7);
    ClauseGrid *g = grid(page, "grd18");
    g->setCurrentCell(0, 0);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(g->currentColumn(), 2); // past the rate
    g->setCurrentCell(0, 4);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(g->currentColumn(), 16); // past the adjusted value and the totals of the lists
    EXPECT_TRUE(g->hintOf(1).contains("computed"));
    EXPECT_TRUE(g->hintOf(18).contains("computed"));
}

TEST_P(ValueEntry, AValueOutsideItsColumnsListIsRefusedWhereItIsTypedAndAtSave)
{
    ClausePage *page = open(4);
    ClauseGrid *g = grid(page, "grd11b"); // the country in column 1, the state in column 8
    const QStringList before = stored(4, "11b");
    env->prompt().clear();
    // A list cell that takes no typed text keeps what the code shows only through a paste or
    // an import; the check is the same.
    g->setCellText(0, 1, "BRITISH INDIAN OCEAN TERRITORY");
    g->cellEdited(0, 1);
    EXPECT_TRUE(env->prompt().texts().isEmpty());
    g->setCellText(0, 1, "Hindustan");
    g->cellEdited(0, 1);
    EXPECT_EQ(env->prompt().lastText(),
              "Not a Valid Country [Hindustan]: choose it from the list in clause 11(b), row 1 (Country)");

    EXPECT_FALSE(page->SaveData());
    EXPECT_EQ(env->prompt().lastText(),
              "Not a Valid Country [Hindustan]: choose it from the list in clause 11(b), row 1 (Country)");
    EXPECT_EQ(stored(4, "11b"), before);

    g->setCellText(0, 1, "INDIA");
    g->setCellText(0, 8, "Maharastra");
    EXPECT_FALSE(page->SaveData());
    EXPECT_TRUE(env->prompt().lastText().startsWith("Not a Valid State [Maharastra]"));
    EXPECT_EQ(g->currentColumn(), 8);
    g->setCellText(0, 8, "Maharashtra");
    EXPECT_TRUE(page->SaveData());
}

TEST_P(ValueEntry, TheAssesseesCountryAndStateComeFromTheirLists)
{
    ClausePage *report = open(1);
    auto *country = find<QLineEdit>(report, "txtCountry");
    country->setText("Hindustan");
    env->prompt().clear();
    EXPECT_FALSE(report->SaveData());
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid Country [Hindustan]: choose it from the list");
    country->setText("India");
    auto *state = find<QComboBox>(report, "cmbState");
    state->setEditText("Bombay");
    EXPECT_FALSE(report->SaveData());
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid State [Bombay]: choose it from the list");
    state->setEditText("Maharashtra");
    EXPECT_TRUE(report->SaveData());
}

TEST_P(ValueEntry, MessagesNameAClauseAsThePageShowsIt)
{
    env->openFilledReport(); // 21(b)(iv), the point "21biii", is the first clause left blank
    ClausePage *page = open(9);
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes); // update the clause
    EXPECT_FALSE(page->validateForm(true));
    ASSERT_FALSE(env->prompt().texts().isEmpty());
    const QString text = env->prompt().texts().first();
    EXPECT_TRUE(text.startsWith("Clause 21(b)(iv) is blank")) << text.toStdString();
    EXPECT_FALSE(text.contains("21biii")) << text.toStdString();
    // The box the message names is on the tab in front.
    auto *tabs = page->findChild<QTabWidget *>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_TRUE(tabs->currentWidget()->isAncestorOf(page->findChild<QWidget *>("txt21biii")));
}

TEST_P(ValueEntry, EveryColumnHeadingOfEveryPageIsShownInFull)
{
    for (int slot = 1; slot <= 21; ++slot) {
        ClausePage *page = open(slot);
        for (ClauseGrid *g : page->findChildren<ClauseGrid *>()) {
            for (int c = 0; c < g->columnCount(); ++c) {
                if (!g->isColumnHidden(c))
                    EXPECT_TRUE(g->headingFits(c))
                        << g->objectName().toStdString() << " column " << c << ": "
                        << g->model()->headerData(c, Qt::Horizontal).toString().toStdString();
            }
        }
    }
}

TALVEX_BOTH_ENGINES(ValueEntry);
