#include "Form3cebTestSupport.h"

#include "editor/Form3CD.h"
#include "pages/ClauseGrid.h"
#include "pages/PageFactory.h"
#include "pages/form3ceb/Form3cebPage.h"
#include "store/ClauseStore.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScopeGuard>
#include <memory>

// The Form 3CEB pages as the editor shows them, on the demo client's report.
class Form3cebPages : public Form3cebTest
{
protected:
    std::unique_ptr<Form3cebPage> page(int slot)
    {
        open(kDemoClient);
        std::unique_ptr<Form3cebPage> window(
            qobject_cast<Form3cebPage *>(PageFactory::create(FormKind::F3CEB, slot)));
        EXPECT_TRUE(window);
        window->show();
        return window;
    }
    QStringList pointRows(int page, const QString &point)
    {
        QStringList rows;
        for (const ClauseStore::ClauseRow &row : ClauseStore::readPoint(page, point))
            rows << row.cols.join(u'|');
        return rows;
    }
};

TALVEX_BOTH_ENGINES(Form3cebPages);

TEST_P(Form3cebPages, SavingAPageKeepsItsRowsAsTheyWere)
{
    const QStringList before = rowsOf(kDemoClient);
    for (int slot = 1; slot <= PageFactory::lastPage(FormKind::F3CEB); ++slot)
        ASSERT_TRUE(page(slot)->SaveData()) << slot;
    EXPECT_EQ(rowsOf(kDemoClient), before);
}

TEST_P(Form3cebPages, NoOnAnEmptyGridDisablesItAndSavesOnlyTheFlag)
{
    auto window = page(4);
    ASSERT_TRUE(window->yesButton("11C"));
    window->yesButton("11C")->click();
    EXPECT_TRUE(window->grid("11C")->isEnabled());
    window->noButton("11C")->click();
    EXPECT_TRUE(env->prompt().shown().empty());
    EXPECT_FALSE(window->grid("11C")->isEnabled());
    ASSERT_TRUE(window->SaveData());
    EXPECT_EQ(pointRows(4, "Opt11C"), QStringList{"False" + QString("|").repeated(19)});
    EXPECT_TRUE(pointRows(4, "11C").isEmpty());
}

TEST_P(Form3cebPages, NoOnAGridWithRowsAsksAndCancelKeepsYesAndTheRows)
{
    auto window = page(3);
    const QStringList before = pointRows(3, "11A");
    ASSERT_EQ(before.size(), 2);
    env->prompt().queue(PromptAnswer::Cancel);
    window->noButton("11A")->click();
    ASSERT_EQ(env->prompt().shown().size(), 1u);
    EXPECT_EQ(env->prompt().shown()[0].text, "The existing data will be removed from the list in Clause 11A");
    EXPECT_TRUE(window->yesButton("11A")->isChecked());
    EXPECT_TRUE(window->grid("11A")->isEnabled());
    ASSERT_TRUE(window->SaveData());
    EXPECT_EQ(pointRows(3, "11A"), before);

    env->prompt().queue(PromptAnswer::Ok);
    window->noButton("11A")->click();
    ASSERT_TRUE(window->SaveData());
    EXPECT_TRUE(pointRows(3, "11A").isEmpty());
    EXPECT_TRUE(pointRows(3, "Opt11A").value(0).startsWith("False|"));
}

TEST_P(Form3cebPages, UnansweredClausesAndBadIdentitiesAreRefusedWithTheirMessages)
{
    open(kDemoClient);
    ClauseStore::deletePage(10);
    auto window = page(10);
    EXPECT_FALSE(window->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Select either Yes or No in clause 22A");

    ClauseStore::deletePage(12);
    auto last = page(12);
    last->noButton("25")->click();
    EXPECT_FALSE(last->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Select either Yes  or No in clause 26");

    auto first = page(1);
    first->field("txtPAN")->setText("AAECS98760");
    EXPECT_FALSE(first->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid PAN [AAECS98760]");
}

// In the editor the pages of Form 3CEB show its one report model and save their page of it.
TEST_P(Form3cebPages, TheEditorsPagesSaveThroughItsOneModel)
{
    open(kDemoClient);
    Form3CD *editor = Form3CD::instance();
    const auto closeEditor = qScopeGuard([] { delete Form3CD::existing(); });
    editor->show();
    editor->cmdPages_Click(4);
    auto *window = qobject_cast<Form3cebPage *>(editor->page(4));
    ASSERT_TRUE(window);
    EXPECT_EQ(&window->report(), &editor->report());
    window->yesButton("11C")->click();
    window->noButton("11C")->click();
    env->prompt().setDefaultYes(true);
    editor->cmdPages_Click(5);
    EXPECT_EQ(editor->report().value(4, "Opt11C"), "False");
    EXPECT_EQ(pointRows(4, "Opt11C"), QStringList{"False" + QString("|").repeated(19)});
}

// The Form 3CEB editor's menus offer only what applies to Form 3CEB.
TEST_P(Form3cebPages, TheEditorsMenusLeaveOutForm3CDCommands)
{
    open(kDemoClient);
    Form3CD *editor = Form3CD::instance();
    const auto closeEditor = qScopeGuard([] { delete Form3CD::existing(); });
    QStringList captions;
    for (const QMenu *menu : editor->menuBar()->findChildren<QMenu *>()) {
        for (const QAction *action : menu->actions())
            captions << action->text();
    }
    EXPECT_TRUE(captions.contains("Old 3CEB Current Year"));
    EXPECT_TRUE(captions.contains("e-Filing XML"));
    EXPECT_TRUE(captions.contains("Generate e-Filing XML"));
    for (const QString &caption : captions)
        EXPECT_FALSE(caption.contains("TDS") || caption.contains("JSON") || caption.contains("clause 40") ||
                     caption.contains("Annexure"))
            << caption.toStdString();
}
