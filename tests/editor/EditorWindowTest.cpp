#include "TestHost.h"

#include "editor/Form3CD.h"
#include "pages/ClauseGrid.h"
#include "pages/ClausePage.h"
#include "pages/ClauseSection.h"
#include "pages/WidgetValues.h"
#include "commands/AnnexureExchange.h"
#include "store/ClauseStore.h"
#include "store/ModuleState.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace
{

bool hasPoint(int page, const QString &point)
{
    return !ClauseStore::readPoint(page, point).isEmpty();
}

} // namespace

class EditorWindow : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (!env)
            return;
        env->openForm(FormKind::F3CA);
        editor = Form3CD::instance();
        editor->show();
        // What opening said (the partial demo report reminds of its depreciation chart).
        openingTexts = env->prompt().texts();
        env->prompt().clear();
    }
    void TearDown() override
    {
        delete Form3CD::existing();
        Form3CD::setHandler(EditorCommand::GenerateJson, {});
        EngineTest::TearDown();
    }
    // A row on every page that no page knows: it disappears only when its page is saved.
    void markEveryPage()
    {
        for (int page = 2; page <= 21; ++page)
            ClauseStore::insertRow(page, "Zzz", {"marker"});
    }
    QList<int> savedPages()
    {
        QList<int> pages;
        for (int page = 2; page <= 21; ++page) {
            if (!hasPoint(page, "Zzz"))
                pages << page;
        }
        return pages;
    }
    // Answers every Yes/No question of every page with No (or NA where offered).
    void answerEveryQuestionNo()
    {
        env->prompt().setDefaultYes(true);
        for (int slot = 1; slot <= editor->lastPage(); ++slot) {
            for (ClauseSection *s : editor->page(slot)->sections()) {
                // Not Due of clause 43 would ask for the expected date of furnishing.
                const bool closedByNA = !s->clause().optionNA.isEmpty() && s->clause().key != "43";
                QRadioButton *no = s->answerButton(closedByNA ? "NA" : "No");
                if (no)
                    no->click();
            }
        }
        env->prompt().setDefaultYes(false);
        env->prompt().clear();
    }

    // Answers the amounts of clause 22, which the e-filing file always carries, with nought,
    // and ticks every other clause of the blank-clause list, to be answered "Nil".
    void tickEveryBlankClause()
    {
        for (const char *name : {"txt22", "txt22b"})
            WidgetValues::setText(editor->page(10)->findChild<QWidget *>(name), "0");
        QList<int> every;
        for (int i = 0; i < 500; ++i)
            every << i;
        env->prompt().queueTicks(every);
    }

    Form3CD *editor = nullptr;
    QStringList openingTexts;
};

TEST_P(EditorWindow, OpensOnTheFirstPageWithPreviousDisabled)
{
    EXPECT_EQ(editor->currentPage(), 1);
    EXPECT_FALSE(editor->previousButton()->isEnabled());
    EXPECT_TRUE(editor->nextButton()->isEnabled());
    EXPECT_EQ(editor->pageButton(1)->styleSheet(), "background-color: rgb(50, 255, 0);");
    EXPECT_EQ(editor->saveButton()->toolTip(), "Validate and save page 1");
    EXPECT_EQ(openingTexts.size(), 1) << openingTexts.join("\n").toStdString();
}

TEST_P(EditorWindow, MovingFromAnEditedPageThreeToSevenSavesPageThreeOnly)
{
    editor->cmdPages_Click(3);
    markEveryPage();
    auto *grid = editor->page(3)->findChild<ClauseGrid *>("grd10a");
    ASSERT_NE(grid, nullptr);
    grid->setRowCount(grid->rowCount() + 1);
    grid->setCellText(grid->rowCount() - 1, 2, "Trading in textiles");
    editor->pageButton(7)->click();
    EXPECT_EQ(editor->currentPage(), 7);
    EXPECT_EQ(savedPages(), QList<int>{3});
    EXPECT_EQ(editor->pageButton(7)->styleSheet(), "background-color: rgb(50, 255, 0);");
    EXPECT_TRUE(editor->pageButton(3)->styleSheet().isEmpty());
    // What page 3 showed is written back.
    EXPECT_TRUE(hasPoint(3, "10a"));
}

TEST_P(EditorWindow, LeavingAPageThatWasNotChangedWritesNothing)
{
    editor->cmdPages_Click(4);
    markEveryPage();
    editor->cmdPages_Click(7);
    editor->cmdPages_Click(3);
    EXPECT_TRUE(savedPages().isEmpty());
    // The explicit Save still writes the page.
    editor->cmdSave_Click();
    EXPECT_EQ(savedPages(), QList<int>{3});
}

TEST_P(EditorWindow, NextAndPreviousFollowThePages)
{
    editor->nextButton()->click();
    EXPECT_EQ(editor->currentPage(), 2);
    EXPECT_TRUE(editor->previousButton()->isEnabled());
    editor->cmdPages_Click(21);
    EXPECT_FALSE(editor->nextButton()->isEnabled());
    EXPECT_EQ(editor->saveButton()->toolTip(), "Validate and save all pages");
    editor->previousButton()->click();
    EXPECT_EQ(editor->currentPage(), 20);
    EXPECT_TRUE(editor->nextButton()->isEnabled());
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    QTest::keyClick(editor, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(editor->currentPage(), 19);
}

TEST_P(EditorWindow, SaveAllStopsAtTheFirstRefusingPageAndShowsIt)
{
    markEveryPage();
    EXPECT_FALSE(editor->saveAllPages());
    // Page 3 has the unanswered question of clause 9(a); later pages stay as they were.
    EXPECT_EQ(editor->currentPage(), 3);
    EXPECT_EQ(env->prompt().lastText(), "Select either Yes  or No  or NA in clause 9(a)");
    EXPECT_FALSE(moduleState().saveWithValidation);
    EXPECT_EQ(savedPages(), QList<int>{2});
}

TEST_P(EditorWindow, SaveAllWalksEveryPageAndEndsOnTheLast)
{
    answerEveryQuestionNo();
    markEveryPage();
    editor->cmdPages_Click(21);
    // The pages answered here and not left count as answered; what they show is kept.
    tickEveryBlankClause();
    editor->cmdValidate_Click();
    EXPECT_EQ(env->prompt().lastText(), "All pages Validated and saved successfully");
    EXPECT_EQ(editor->currentPage(), 21);
    EXPECT_EQ(savedPages().size(), 20);
    EXPECT_EQ(ClauseStore::readPoint(4, "11a").first().col(1), "Nil");
    EXPECT_EQ(ClauseStore::readPoint(4, "Opt11a").first().col(1), "No");
}

TEST_P(EditorWindow, SaveOnTheLastPageAnsweredNoSavesThatPageOnly)
{
    editor->cmdPages_Click(21);
    markEveryPage();
    env->prompt().queue(PromptAnswer::Ok);
    env->prompt().queue(PromptAnswer::No);
    editor->cmdSave_Click();
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{"Page saved successfully", "Do you want to save all pages with validation.?"}));
    EXPECT_EQ(savedPages(), QList<int>{21});
}

TEST_P(EditorWindow, ValidateOnAPageReportsSuccessUnderItsTitle)
{
    editor->cmdPages_Click(19);
    answerEveryQuestionNo();
    editor->cmdPages_Click(19);
    env->prompt().clear();
    editor->cmdValidate_Click();
    ASSERT_FALSE(env->prompt().shown().empty());
    EXPECT_EQ(env->prompt().lastText(), "Validation Succeed of page 19");
    EXPECT_EQ(env->prompt().shown().back().title, "Validate Page");
}

TEST_P(EditorWindow, ClearEmptiesPagesThreeOnwardsAndKeepsPartA)
{
    env->prompt().queue(PromptAnswer::Yes);
    editor->cmdClear_Click();
    EXPECT_EQ(env->prompt().texts().first(), "Do you want to clear all the data?.");
    EXPECT_FALSE(hasPoint(4, "11a"));
    EXPECT_FALSE(hasPoint(3, "10a"));
    EXPECT_TRUE(hasPoint(2, "8"));
    EXPECT_TRUE(hasPoint(1, "3CA1"));
    // A question with a not-applicable choice is left on that choice.
    EXPECT_EQ(ClauseStore::readPoint(3, "Opt9a").first().col(1), "NA");
    // Every grid offers one empty row to type into, and the command says it is done.
    EXPECT_EQ(env->prompt().lastText(), "All the data cleared successfully");
    for (int slot = 3; slot <= editor->lastPage(); ++slot) {
        for (ClauseGrid *grid : editor->page(slot)->findChildren<ClauseGrid *>()) {
            if (grid->objectName() == "vsAdd" || grid->objectName() == "vsDed")
                continue; // the lists of the block being edited, empty without a block
            EXPECT_EQ(grid->rowCount(), 1) << grid->objectName().toStdString() << " on page " << slot;
            EXPECT_FALSE(grid->holdsData()) << grid->objectName().toStdString();
        }
    }
}

TEST_P(EditorWindow, TheTdsCommandsOpenTheTdsImportWindow)
{
    for (const EditorCommand command : {EditorCommand::ImportTdsExcel, EditorCommand::ImportTdsSoftware}) {
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (QWidget *window = QApplication::activeModalWidget()) {
                opened = window->objectName();
                window->close();
            }
        });
        editor->runCommand(command);
        EXPECT_EQ(opened, "frmImpDetTDS");
    }
}

TEST_P(EditorWindow, GenerateJsonRunsItsHandlerAfterSavingAllPages)
{
    int calls = 0;
    Form3CD::setHandler(EditorCommand::GenerateJson, [&calls](Form3CD &window) {
        ++calls;
        EXPECT_EQ(window.currentPage(), 21);
    });
    editor->runCommand(EditorCommand::GenerateJson);
    EXPECT_EQ(calls, 0); // page 3 refuses
    answerEveryQuestionNo();
    tickEveryBlankClause();
    editor->runCommand(EditorCommand::GenerateJson);
    EXPECT_EQ(calls, 1);
}

TEST_P(EditorWindow, ExitSavesTheCurrentPageAndOffersToSaveAll)
{
    editor->cmdPages_Click(4);
    markEveryPage();
    env->prompt().queue(PromptAnswer::No);
    editor->cmdExit_Click();
    EXPECT_EQ(env->prompt().lastText(), "Do you want to save all pages with validation.?");
    EXPECT_EQ(savedPages(), QList<int>{4});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Form3CD::existing(), nullptr);
    EXPECT_FALSE(env->host().GetSettingINI("Form3CD", "Geometry", {}).isEmpty());
}

TEST_P(EditorWindow, EscapeOnTheEditorAsksBeforeClosingThenExitsLikeExit)
{
    editor->cmdPages_Click(3);
    markEveryPage();
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::No);
    QTest::keyClick(editor->page(3)->findChild<QWidget *>("grd9a"), Qt::Key_Escape);
    EXPECT_EQ(env->prompt().texts(), QStringList{"Do you want to close the report editor?"});
    EXPECT_EQ(savedPages(), QList<int>{}) << "nothing is saved before the user says so";
    EXPECT_EQ(Form3CD::existing(), editor);

    env->prompt().queue(PromptAnswer::Yes);
    env->prompt().queue(PromptAnswer::No);
    QTest::keyClick(editor->page(3)->findChild<QWidget *>("grd9a"), Qt::Key_Escape);
    EXPECT_EQ(env->prompt().lastText(), "Do you want to save all pages with validation.?");
    EXPECT_EQ(savedPages(), QList<int>{3});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Form3CD::existing(), nullptr);
}

TEST_P(EditorWindow, EscapeInACellEditorOrAnOpenDropDownClosesThatAlone)
{
    editor->cmdPages_Click(4);
    auto *grid = editor->page(4)->findChild<ClauseGrid *>("grd11b");
    ASSERT_NE(grid, nullptr);
    grid->setFocus();
    grid->setCurrentCell(0, 1); // the country list
    QTest::keyClick(grid, Qt::Key_F2);
    auto *cellEditor = grid->viewport()->findChild<QComboBox *>();
    ASSERT_NE(cellEditor, nullptr);
    env->prompt().clear();
    QTest::keyClick(cellEditor, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(grid->viewport()->findChild<QComboBox *>(), nullptr) << "the cell editor is closed";

    editor->cmdPages_Click(5);
    auto *combo = editor->page(5)->findChild<QComboBox *>();
    ASSERT_NE(combo, nullptr);
    combo->setFocus();
    combo->showPopup();
    ASSERT_TRUE(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    EXPECT_FALSE(combo->view()->isVisible());

    EXPECT_TRUE(env->prompt().texts().isEmpty()) << env->prompt().texts().join("\n").toStdString();
    EXPECT_EQ(Form3CD::existing(), editor);
}

TEST_P(EditorWindow, TheImportDropDownOffersThePreviousYearFirst)
{
    auto *import = editor->findChild<QToolButton *>("cmdImport");
    ASSERT_NE(import, nullptr);
    ASSERT_NE(import->menu(), nullptr);
    const QList<QAction *> entries = import->menu()->actions();
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_EQ(entries.first()->text(), "Previous Year");
    int calls = 0;
    Form3CD::setHandler(EditorCommand::ImportPreviousYear, [&calls](Form3CD &) { ++calls; });
    entries.first()->trigger();
    EXPECT_EQ(calls, 1);
    Form3CD::setHandler(EditorCommand::ImportPreviousYear, {});
}

TEST_P(EditorWindow, OpeningAReportWithoutDepreciationRemindsOfTheChart)
{
    const auto reminder = [](int blocks) {
        return QStringList{
            QStringLiteral("Clause 18 on page 7 has no block of assets yet, while the depreciation "
                           "chart of the client has %1 blocks for the year. Use the Import button "
                           "of clause 18 to bring them in.")
                .arg(blocks)};
    };
    // The partial demo report keeps the asset-wise chart.
    EXPECT_EQ(openingTexts, reminder(6));
    delete Form3CD::existing();

    env->openForm(FormKind::F3CA, "C002"); // keeps the block-wise chart, clause 18 not begun
    Form3CD::instance()->show();
    EXPECT_EQ(env->prompt().texts(), reminder(5));
    EXPECT_EQ(Form3CD::existing()->currentPage(), 1);
    delete Form3CD::existing();

    // A report with clause 18 not applicable, or with its blocks, is not reminded.
    ClauseStore::insertRow(7, "NA18", {"True"});
    env->prompt().clear();
    Form3CD::instance()->show();
    EXPECT_EQ(env->prompt().texts(), QStringList());
    delete Form3CD::existing();
    env->openFilledReport();
    Form3CD::instance()->show();
    EXPECT_EQ(env->prompt().texts(), QStringList());
}

TALVEX_BOTH_ENGINES(EditorWindow);

TEST_P(EditorWindow, TheMenuExchangesAClauseOfThePageWithAWorkbookWithoutStoringIt)
{
    editor->cmdPages_Click(17);
    ClausePage *page = editor->page(17);
    ASSERT_NE(page, nullptr);
    ClauseGrid *grid = nullptr;
    int index = 0;
    for (ClauseSection *section : page->sections()) {
        for (ClauseGrid *g : section->grids()) {
            if (g->definition().point == "34a")
                grid = g;
            else if (!grid)
                ++index;
        }
    }
    ASSERT_NE(grid, nullptr);
    grid->setRows({{"MUMA12345B", "194C", "Payment to contractors", "500000.00", "500000.00", "5000.00",
                    "0.00", "0.00", "0.00", "5000.00"}});
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c)
        cells << grid->cellText(0, c);
    const QList<QStringList> typed{cells};
    const int stored = ClauseStore::readPoint(17, "34a").size();
    const QString folder = env->dir();

    // The format goes out empty.
    const QString format = folder + "/Annexure_34a.xlsx";
    env->prompt().queueChoice(index);
    env->prompt().queueText(format);
    editor->runCommand(EditorCommand::ExportAnnexureFormat);
    const AnnexureLayout layout = AnnexureExchange::layoutOf("34a", grid->definition().columns);
    const auto empty = AnnexureExchange::importRows("34a", layout, format, {});
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->isEmpty());

    // A filled workbook comes back after the rows already typed, on screen only.
    const QString filled = folder + "/filled.xlsx";
    ASSERT_TRUE(AnnexureExchange::exportRows("34a", layout, typed, filled));
    env->prompt().queueChoice(index);
    env->prompt().queueText(filled);
    editor->runCommand(EditorCommand::ImportAnnexureWorkbook);
    EXPECT_EQ(env->prompt().lastText(), "Import Successfully.");
    ASSERT_EQ(grid->rowCount(), 2 * typed.size());
    EXPECT_EQ(grid->cellText(1, 2), "Payment to contractors");
    EXPECT_EQ(ClauseStore::readPoint(17, "34a").size(), stored);

    // A cancelled choice of clause does nothing.
    env->prompt().queueChoice(-1);
    editor->runCommand(EditorCommand::ImportAnnexureWorkbook);
    EXPECT_EQ(grid->rowCount(), 2 * typed.size());
}
