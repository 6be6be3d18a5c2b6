#include "ImportTestSupport.h"

#include "editor/Form3CD.h"
#include "pages/ClauseGrid.h"
#include "pages/ClausePage.h"
#include "store/ClauseStore.h"

class EditorImport : public ImportTest
{
};

TALVEX_BOTH_ENGINES(EditorImport);

TEST_P(EditorImport, ImportJsonAsksImportsAndReloadsTheOpenPages)
{
    const QString file = writeFile("3CA_C001.json", documentOf("C001"));
    open("C004");
    Form3CD editor;
    auto *books = editor.page(4)->findChild<ClauseGrid *>("grd11a");
    ASSERT_NE(books, nullptr);
    ASSERT_TRUE(books->cellText(0, 0).isEmpty());

    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes); // the editor's question
    env->prompt().queueText(file);          // the file
    env->prompt().queue(PromptAnswer::Yes); // the warning
    env->prompt().queue(PromptAnswer::Yes); // the first client's PAN, taken on purpose
    editor.runCommand(EditorCommand::ImportJson);

    const QStringList shown = env->prompt().texts();
    ASSERT_EQ(shown.size(), 5) << shown.join(" / ").toStdString();
    EXPECT_EQ(shown[0], "DO you want to import data from JSON.?");
    EXPECT_EQ(env->prompt().shown()[1].title, "Select JSON File to Import");
    EXPECT_TRUE(shown[3].startsWith("The PAN in the file [AABCS1234K]"));
    EXPECT_EQ(shown[4], "JSON Imported Successfully.");
    EXPECT_EQ(ClauseStore::readPoint(4, "11a").size(), 5);
    // The page on screen shows the imported books without being opened again.
    EXPECT_EQ(books->cellText(0, 0), "Cash Book");
    EXPECT_EQ(books->cellText(4, 0), "Stock Register");
}

TEST_P(EditorImport, AnsweringNoToTheEditorsQuestionImportsNothing)
{
    open("C004");
    Form3CD editor;
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::No);
    editor.runCommand(EditorCommand::ImportJson);
    EXPECT_EQ(env->prompt().texts(), QStringList{"DO you want to import data from JSON.?"});
    EXPECT_TRUE(rowsOf("C004").isEmpty());
}
