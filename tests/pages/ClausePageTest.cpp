#include "PageFixture.h"

#include "pages/ClauseSection.h"
#include "store/ModuleState.h"

#include <QComboBox>
#include <QPushButton>

class ClausePages : public PageTest
{
};

TEST_P(ClausePages, DisplayShowsTheStoredClauses)
{
    ClausePage *page4 = open(4);
    EXPECT_TRUE(find<QRadioButton>(page4, "OptButYes11a")->isChecked());
    ClauseGrid *books = grid(page4, "grd11a");
    ASSERT_EQ(books->rowCount(), 5);
    EXPECT_EQ(row(books, 4).first(), "Stock Register");
    EXPECT_EQ(find<QComboBox>(open(5), "cmb13a")->currentText(), "MERCANTILE SYSTEM");
}

TEST_P(ClausePages, AGridOfTwelveRowsReloadsInOrder)
{
    ClausePage *page = open(6);
    ClauseGrid *g = grid(page, "grd16a");
    for (int r = 0; r < 12; ++r)
        fillRow(g, r, {QStringLiteral("Item %1").arg(r + 1), QStringLiteral("%1.00").arg(r + 1)});
    ASSERT_TRUE(page->SaveData());

    ClauseGrid *again = grid(open(6), "grd16a");
    ASSERT_EQ(again->rowCount(), 12);
    for (int r = 0; r < 12; ++r)
        EXPECT_EQ(row(again, r),
                  (QStringList{QStringLiteral("Item %1").arg(r + 1), QStringLiteral("%1.00").arg(r + 1)}));
    const auto rows = ClauseStore::readPoint(6, "16a");
    ASSERT_EQ(rows.size(), 12);
    EXPECT_EQ(rows.at(9).col(23), "10");
    EXPECT_EQ(rows.at(11).col(1), "Item 12");
}

TEST_P(ClausePages, SavingTwiceGivesTheSameRows)
{
    ClausePage *page = open(4);
    fillRow(grid(page, "grd11b"), 0, {"Cash Book", "INDIA", "Unit 4", "Lower Parel", "400001"});
    ASSERT_TRUE(page->SaveData());
    const auto first = ClauseStore::readPage(4);
    ASSERT_TRUE(page->SaveData());
    const auto second = ClauseStore::readPage(4);
    ASSERT_EQ(first.size(), second.size());
    for (int i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first.at(i).point, second.at(i).point);
        EXPECT_EQ(first.at(i).cols, second.at(i).cols);
    }
    EXPECT_EQ(stored(4, "11b"), QStringList{"Cash Book|INDIA|Unit 4|Lower Parel|400001"});
    EXPECT_EQ(stored(4, "Opt11a"), QStringList{"Yes"});
    EXPECT_EQ(stored(4, "NA11b"), QStringList{"0"});
}

TEST_P(ClausePages, ASaveWritesThePagesReportModelAndItsTicksInTheirRows)
{
    ClauseStore::insertRow(201, "Annex31a", {"1"});
    ClausePage *page = open(7);
    // Whatever edits the page's rows (the annexure window, a workbook import) shows in its
    // grid and is saved with the page.
    page->report().setRows(7, "17", {{" Plot 4, Andheri "}});
    EXPECT_EQ(row(grid(page, "grd17"), 0).first(), " Plot 4, Andheri ");
    auto *annex = find<QCheckBox>(page, "Annex18");
    auto *chart = find<QCheckBox>(page, "chkFAChart");
    annex->setChecked(true);
    chart->setChecked(true);
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(7, "17"), QStringList{"Plot 4, Andheri"});
    EXPECT_EQ(page->report().value(7, "17"), "Plot 4, Andheri");

    annex->setChecked(false);
    ASSERT_TRUE(page->SaveData());
    // Each tick under page 201 is replaced by its own row; the other pages' ticks stay.
    EXPECT_EQ(stored(201, "Annex18"), QStringList{"0"});
    EXPECT_EQ(stored(201, "FAChart"), QStringList{"1"});
    EXPECT_EQ(stored(201, "Annex31a"), QStringList{"1"});
}

TEST_P(ClausePages, AnsweringNoAsksBeforeReplacingTheDataWithNil)
{
    ClausePage *page = open(4);
    ClauseGrid *books = grid(page, "grd11a");
    auto *section = page->section("11a");

    env->prompt().queue(PromptAnswer::Cancel);
    find<QRadioButton>(page, "OptButNo11a")->click();
    EXPECT_EQ(env->prompt().lastText(), "The existing data will be removed from the list in Clause 11(a)");
    EXPECT_TRUE(find<QRadioButton>(page, "OptButYes11a")->isChecked());
    EXPECT_EQ(books->rowCount(), 5);
    EXPECT_TRUE(books->isEnabled());
    EXPECT_TRUE(section->addRowButton()->isEnabled());

    env->prompt().queue(PromptAnswer::Ok);
    find<QRadioButton>(page, "OptButNo11a")->click();
    ASSERT_EQ(books->rowCount(), 1);
    EXPECT_EQ(row(books, 0), QStringList{"Nil"});
    EXPECT_FALSE(books->isEnabled());
    EXPECT_FALSE(section->addRowButton()->isEnabled());
    EXPECT_FALSE(section->removeRowButton()->isEnabled());
    EXPECT_FALSE(section->annexureTick()->isEnabled());
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(4, "Opt11a"), QStringList{"No"});
    EXPECT_EQ(stored(4, "11a"), QStringList{"Nil"});

    find<QRadioButton>(page, "OptButYes11a")->click();
    EXPECT_TRUE(books->isEnabled());
    EXPECT_TRUE(WidgetValues::rowIsEmpty(books, 0));
    EXPECT_TRUE(section->addRowButton()->isEnabled());
}

TEST_P(ClausePages, AGridOfZeroAmountsTurnsNilWithoutAQuestion)
{
    ClausePage *page = open(4);
    find<QRadioButton>(page, "OptButYes12")->click();
    fillRow(grid(page, "grd12"), 0, {"", "", "0.00"});
    find<QRadioButton>(page, "OptButNo12")->click();
    EXPECT_TRUE(env->prompt().shown().empty());
    EXPECT_EQ(row(grid(page, "grd12"), 0), (QStringList{"Nil", "Nil", "Nil"}));
}

TEST_P(ClausePages, NotApplicableReplacesTheDataWithNA)
{
    ClausePage *page = open(6);
    ClauseGrid *g = grid(page, "grd15");
    fillRow(g, 0, {"Flat at Andheri", "01/06/2019", "4500000.00", "5200000.00"});
    auto *tick = find<QCheckBox>(page, "chkNA15");

    env->prompt().queue(PromptAnswer::Cancel);
    tick->click();
    EXPECT_FALSE(tick->isChecked());
    EXPECT_EQ(row(g, 0).first(), "Flat at Andheri");

    env->prompt().queue(PromptAnswer::Ok);
    tick->click();
    EXPECT_TRUE(tick->isChecked());
    EXPECT_EQ(row(g, 0), (QStringList{"NA", "NA", "NA", "NA"}));
    EXPECT_FALSE(find<QCheckBox>(page, "Annex15")->isEnabled());
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(6, "NA15"), QStringList{"1"});
    EXPECT_EQ(stored(6, "15"), QStringList{"NA|NA|NA|NA"});

    tick->click();
    EXPECT_TRUE(WidgetValues::rowIsEmpty(g, 0));
    EXPECT_TRUE(g->isEnabled());
}

TEST_P(ClausePages, AnUnansweredQuestionStopsValidation)
{
    ClausePage *page = open(13);
    EXPECT_FALSE(page->validateForm(true));
    EXPECT_EQ(env->prompt().lastText(), "Select either Yes  or No in clause 28");
}

TEST_P(ClausePages, ABlankTextAnsweredNoIsSavedAsNilAndPassesNextTime)
{
    ClausePage *page = open(10);
    auto *amount = find<QLineEdit>(page, "txt22");
    env->prompt().queue(PromptAnswer::Yes);
    EXPECT_FALSE(page->validateForm(true));
    ASSERT_EQ(env->prompt().shown().size(), 1u);
    EXPECT_EQ(env->prompt().shown().back().title, "Form 3CD");
    EXPECT_EQ(env->prompt().lastText(),
              "Clause 22(a) is blank or incomplete. Do you want to update the clause?\n"
              "Select \"Yes\" to update\nSelect \"No\" if no information");
    EXPECT_TRUE(amount->text().isEmpty());

    // No to every question: blank clauses are answered "Nil".
    env->prompt().clear();
    EXPECT_TRUE(page->validateForm(true));
    EXPECT_EQ(amount->text(), "Nil");
    EXPECT_EQ(row(grid(page, "grd23"), 0).first(), "Nil");
    EXPECT_TRUE(
        env->prompt().texts().contains("Clause 23 is blank. Do you want to update Clause 23?\n"
                                       "Select 'YES', to update the field\nSelect 'NO', if no information"));
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(10, "22"), QStringList{"Nil"});

    env->prompt().clear();
    EXPECT_TRUE(open(10)->validateForm(true));
    EXPECT_TRUE(env->prompt().shown().empty());
}

TEST_P(ClausePages, MandatoryClausesAndCombosMustBeFilled)
{
    ClauseStore::deletePoint(2, "8");
    EXPECT_FALSE(open(2)->validateForm(true));
    EXPECT_EQ(env->prompt().lastText(), "Please fill data in clause 8");

    ClauseStore::deletePoint(5, "13a");
    ClausePage *page5 = open(5);
    EXPECT_FALSE(page5->validateForm(true));
    EXPECT_EQ(env->prompt().lastText(), "Clause 13(a) is incomplete. Please fill data in clause 13(a)");
}

TEST_P(ClausePages, SavingWithTheValidationFlagRefusesAnIncompletePage)
{
    ClausePage *page = open(13);
    ClauseStore::insertRow(13, "Zzz", {"kept"});
    moduleState().saveWithValidation = true;
    EXPECT_FALSE(page->SaveData());
    moduleState().saveWithValidation = false;
    EXPECT_EQ(stored(13, "Zzz"), QStringList{"kept"});
    EXPECT_TRUE(page->SaveData());
    EXPECT_TRUE(stored(13, "Zzz").isEmpty());
}

TEST_P(ClausePages, TotalsFollowTheGridTheyAddUp)
{
    ClausePage *page = open(5);
    ClauseGrid *g = grid(page, "grd13e");
    fillRow(g, 0, {"ICDS I - Accounting Policies", "100.00", "20.00", "80.00"});
    fillRow(g, 1, {"ICDS IV - Revenue Recognition", "50.50", "", "50.50"});
    page->setAfterEdit("grd13e");
    EXPECT_EQ(find<QLineEdit>(page, "txt13eTInc")->text(), "150.50");
    EXPECT_EQ(find<QLineEdit>(page, "txt13eTNet")->text(), "130.50");
    find<QRadioButton>(page, "OptButYes13dn")->click();
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(5, "13eT"), QStringList{"150.50|20.00|130.50"});
}

TALVEX_BOTH_ENGINES(ClausePages);
