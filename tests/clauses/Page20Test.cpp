#include "TestHost.h"

#include "editor/Form3CD.h"
#include "pages/ClauseGrid.h"
#include "pages/ClauseSection.h"
#include "pages/PageFactory.h"
#include "pages/WidgetValues.h"
#include "pages/turnover/frmPage20.h"
#include "store/ClauseStore.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using WidgetValues::setCellText;

class Page20 : public EngineTest
{
protected:
    std::unique_ptr<frmPage20> open(const QString &client)
    {
        env->openForm(FormKind::F3CA, client);
        auto *page = qobject_cast<frmPage20 *>(PageFactory::create(FormKind::F3CA, 20));
        EXPECT_NE(page, nullptr);
        return std::unique_ptr<frmPage20>(page);
    }

    // Every amount of both years, so that only what a test changes can fail.
    static void fillAmounts(frmPage20 &page)
    {
        Clause40::Fields f;
        for (const auto &record : Clause40::records()) {
            for (const QString &name : record.fields)
                f[name] = "1000";
        }
        page.setFields(f);
    }

    static void answer(frmPage20 &page, const char *key, const char *word)
    {
        page.section(key)->answerButton(word)->setChecked(true);
    }
};

TEST_P(Page20, RatiosFollowTheirAmounts)
{
    auto page = open("C003");
    EXPECT_EQ(page->tabs()->tabText(0), "Page 1 of 2");
    EXPECT_EQ(page->tabs()->tabText(1), "Page 2 of 2");
    page->field("txt40bGP")->setText("250");
    page->field("txt40bTO")->setText("1000");
    EXPECT_EQ(page->field("txt40b")->text(), "25.00");
    EXPECT_TRUE(page->field("txt40b")->isReadOnly());
    page->field("txt40bTO")->setText("0");
    EXPECT_EQ(page->field("txt40b")->text(), "0.00");
    page->field("txt40cpNP")->setText("nil");
    page->field("txt40cpTO")->setText("NIL");
    EXPECT_EQ(page->field("txt40cp")->text(), "Nil");
    page->field("txt40eMC")->setText("250");
    page->field("txt40eFGP")->setText("1000");
    EXPECT_EQ(page->field("txt40e")->text(), "25.00");
    page->field("txt40dSIT")->setText("-50"); // a sign is taken
    page->field("txt40dTO")->setText("1000");
    EXPECT_EQ(page->field("txt40d")->text(), "-5.00");
}

TEST_P(Page20, TheTurnoverImportWritesTheRecordsInTheirColumnOrder)
{
    auto page = open("C001");
    env->prompt().queue(PromptAnswer::Yes); // import the figures
    page->ImportTO_Data();
    EXPECT_EQ(page->field("txt40b")->text(), "19.99");
    ASSERT_TRUE(page->SaveData());
    const auto a = ClauseStore::readPoint(20, "40a", false);
    ASSERT_EQ(a.size(), 1);
    EXPECT_EQ(a.first().cols.mid(0, 2), (QStringList{"188000000", "169600000"}));
    const auto b = ClauseStore::readPoint(20, "40b", false);
    EXPECT_EQ(b.first().cols.mid(0, 6),
              (QStringList{"37580000", "188000000", "19.99", "32980000", "169600000", "19.45"}));
    page->field("txt40eFGP")->setText("4000");
    page->field("txt40eMC")->setText("1000");
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(ClauseStore::readPoint(20, "40e", false).first().cols.mid(0, 3),
              (QStringList{"4000", "1000", "25.00"}));
}

// The menu's command fills page 20 and shows it; the figures are stored when the user saves.
TEST_P(Page20, TheEditorsTurnoverCommandFillsThePageAndTheSaveStoresIt)
{
    env->openForm(FormKind::F3CA, "C004");
    const auto before = ClauseStore::readPoint(20, "40b", false);
    Form3CD editor;
    editor.show();
    env->prompt().queue(PromptAnswer::No); // not now
    editor.runCommand(EditorCommand::ImportTurnover);
    auto *page = qobject_cast<frmPage20 *>(editor.page(20));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->field("txt40ap")->text(), "");

    env->prompt().queue(PromptAnswer::Yes); // import the figures
    env->prompt().queue(PromptAnswer::Yes); // last year's report in the new format
    editor.runCommand(EditorCommand::ImportTurnover);
    EXPECT_EQ(editor.currentPage(), 20);
    EXPECT_EQ(page->field("txt40ap")->text(), "21450000");
    EXPECT_EQ(ClauseStore::readPoint(20, "40b", false).size(), before.size()) << "stored before a save";
    EXPECT_TRUE(page->hasUnsavedChanges());

    editor.cmdSave_Click();
    const auto b = ClauseStore::readPoint(20, "40b", false);
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b.first().cols.mid(0, 6),
              (QStringList{"3732500", "24600000", "15.17", "2145000", "21450000", "10.00"}));
}

TEST_P(Page20, DecimalsAreRefused)
{
    auto page = open("C003");
    fillAmounts(*page);
    page->field("txt40a")->setText("1000.50");
    EXPECT_FALSE(page->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Decimal not allowed in turnover.");
    page->field("txt40a")->setText("1001");
    page->field("txt40epMC")->setText("12.5");
    EXPECT_FALSE(page->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Decimal not allowed in material consumed.");
}

TEST_P(Page20, Clauses42And43NeedTheirAnswers)
{
    auto page = open("C003");
    fillAmounts(*page);
    EXPECT_FALSE(page->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Select either Yes or No in clause 42.");
    EXPECT_EQ(page->tabs()->currentIndex(), 1);

    answer(*page, "42", "Yes");
    auto *grd42 = page->findChild<ClauseGrid *>("grd42");
    grd42->setRowCount(1);
    const QStringList row{"AABCS1234K.AB12", "Form 61A", "31/05/2026", "30/05/2026", "Yes", "-"};
    for (int c = 0; c < row.size(); ++c)
        setCellText(grd42, 0, c, row.at(c));
    EXPECT_FALSE(page->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Specify Valid 'Identification Number'.");
    setCellText(grd42, 0, 0, "AABCS1234K.AB123");

    EXPECT_FALSE(page->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Select either Yes or No or Not Due in clause 43.");
    page->section("43")->answerButton("NA")->click(); // Not Due
    auto *expected = page->findChild<QLineEdit *>("txt43B");
    EXPECT_TRUE(expected->isEnabled());
    EXPECT_FALSE(page->validateForm());
    EXPECT_EQ(env->prompt().lastText(),
              "If Not due , please enter expected date of furnishing the report in clause 43.");
    expected->setText("30/11/2026");

    setCellText(grd42, 0, 3, "31/03/2025");
    EXPECT_FALSE(page->validateForm());
    EXPECT_EQ(env->prompt().lastText(),
              "Date of furnishing should be greater than or equals to '01/04/2025'");
    setCellText(grd42, 0, 3, "01/04/2025");
    EXPECT_TRUE(page->validateForm());

    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(ClauseStore::readPoint(20, "Opt43", false).first().col(1), "NA");
    EXPECT_EQ(ClauseStore::readPoint(20, "43B", false).first().col(1), "30/11/2026");
    EXPECT_EQ(ClauseStore::readPoint(20, "Opt42", false).first().col(1), "Yes");
    answer(*page, "43", "Yes");
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(ClauseStore::readPoint(20, "Opt43", false).first().col(1), "True");
    answer(*page, "43", "No");
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(ClauseStore::readPoint(20, "Opt43", false).first().col(1), "False");
}

TEST_P(Page20, PaymentsToRegisteredEntitiesAddUp)
{
    auto page = open("C003");
    auto *grd44 = page->findChild<ClauseGrid *>("grd44");
    grd44->setRowCount(1);
    const QStringList row{"1000.00", "100.00", "200.00", "300.00", "", "400.00"};
    for (int c = 0; c < row.size(); ++c)
        setCellText(grd44, 0, c, row.at(c));
    page->setAfterEdit("grd44");
    EXPECT_EQ(WidgetValues::cellText(grd44, 0, 4), "600.00");
}

TALVEX_BOTH_ENGINES(Page20);
