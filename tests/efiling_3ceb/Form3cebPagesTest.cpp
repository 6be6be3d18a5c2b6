#include "Form3cebTestSupport.h"

#include "editor/Form3CD.h"
#include "pages/ClauseGrid.h"
#include "pages/PageFactory.h"
#include "pages/form3ceb/Form3cebPage.h"
#include "store/ClauseStore.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
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
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid PAN [AAECS98760] in clause 1 (PAN of the assessee)");
}

// A typed value of the declarations is kept as typed or refused where it is typed, with its
// field named: at Tab, and again at the Save command, which then stores nothing.
TEST_P(Form3cebPages, AWrongPanOrDateIsRefusedAtTabAndAtSave)
{
    open(kDemoClient);
    Form3CD *editor = Form3CD::instance();
    const auto closeEditor = qScopeGuard([] { delete Form3CD::existing(); });
    editor->show();
    QApplication::setActiveWindow(editor);
    auto *window = qobject_cast<Form3cebPage *>(editor->page(1));
    ASSERT_TRUE(window);
    const QStringList before = rowsOf(kDemoClient);
    const auto typeAndTab = [window](const QString &name, const QString &text) {
        QLineEdit *box = window->field(name);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
        return box;
    };
    // Save says only why the value is refused, and nothing is stored.
    const auto saveIsRefused = [this, editor, &before](const QString &message) {
        env->prompt().clear();
        editor->saveButton()->click();
        EXPECT_EQ(env->prompt().texts(), QStringList{message});
        EXPECT_EQ(rowsOf(kDemoClient), before);
    };

    env->prompt().clear();
    QLineEdit *pan = typeAndTab("txtPAN", "aaecs98760");
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid PAN [AAECS98760] in clause 1 (PAN of the assessee)");
    EXPECT_EQ(pan->text(), "AAECS98760");
    EXPECT_EQ(QApplication::focusWidget(), pan);
    saveIsRefused("Not a Valid PAN [AAECS98760] in clause 1 (PAN of the assessee)");

    typeAndTab("txtPAN", "AAECS9876Q");
    env->prompt().clear();
    QLineEdit *date = typeAndTab("txtDate", "31/02/2026");
    EXPECT_EQ(env->prompt().lastText(),
              "Not a Valid Date [31/02/2026]: enter it as DD/MM/YYYY (Date of signing)");
    EXPECT_EQ(QApplication::focusWidget(), date);
    typeAndTab("txtDate", "Nil");
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid Date [Nil]: enter it as DD/MM/YYYY (Date of signing)");
    saveIsRefused("Not a Valid Date [Nil]: enter it as DD/MM/YYYY (Date of signing)");

    typeAndTab("txtDate", "30/09/2026");
    env->prompt().clear();
    editor->saveButton()->click();
    EXPECT_EQ(env->prompt().lastText(), "Page saved successfully");
    EXPECT_EQ(ClauseStore::readPoint(1, "3CEBOTH").value(0).col(6), "30/09/2026");
}

// The words of the declarations are chosen from their lists, not typed.
TEST_P(Form3cebPages, TheDeclarationsWordsAreChosenFromTheirLists)
{
    auto window = page(1);
    const auto entries = [&window](const char *name) {
        QStringList items;
        const QComboBox *combo = window->choice(name);
        for (int i = 0; combo && i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    };
    EXPECT_EQ(entries("cmbIWe"), (QStringList{"I", "We"}));
    for (const char *name : {"cmbMyOur1", "cmbMyOur2", "cmbMyOur3", "cmbMyOur4"})
        EXPECT_EQ(entries(name), (QStringList{"my", "our"})) << name;
    EXPECT_EQ(entries("cmbMeUs"), (QStringList{"me", "us"}));
    EXPECT_EQ(entries("cmbHasBeen"), (QStringList{"have been", "have not been"}));
    EXPECT_TRUE(entries("cmbYear").contains("2026"));
    ASSERT_TRUE(window->choice("cmbIWe"));
    EXPECT_FALSE(window->choice("cmbIWe")->isEditable());
    EXPECT_EQ(window->choice("cmbIWe")->currentText(), "We");
    EXPECT_EQ(window->choice("cmbMeUs")->currentText(), "us");

    window->choice("cmbIWe")->setCurrentText("I");
    window->choice("cmbMyOur1")->setCurrentText("my");
    ASSERT_TRUE(window->SaveData());
    EXPECT_EQ(ClauseStore::readPoint(1, "3CEB1").value(0).col(1), "I");
    EXPECT_EQ(ClauseStore::readPoint(1, "3CEB2").value(0).col(1), "my");

    auto particulars = page(2);
    ASSERT_TRUE(particulars->choice("cmbInternational"));
    EXPECT_EQ(particulars->choice("cmbInternational")->currentText(), "Yes");
    EXPECT_EQ(particulars->choice("cmbInternational")->count(), 2);
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
