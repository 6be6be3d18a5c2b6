#include "ImportTestSupport.h"

#include "editor/OpenWith.h"
#include "store/ClauseStore.h"

class OpenWithImport : public ImportTest
{
};

TALVEX_BOTH_ENGINES(OpenWithImport);

// The clients are offered by name: Mehta & Sons, Ravi Kumar Iyer, Sanjay O'Brien Trading Co.
// (C004), Sharma Textiles (C001).
constexpr int kC004 = 2;

TEST_P(OpenWithImport, AFileGoesIntoTheChosenClientsReportAfterTheWarning)
{
    const QString file = writeFile("3CA_AABCS1234K_2026.json", documentOf("C001"));
    ASSERT_TRUE(rowsOf("C004").isEmpty());
    env->prompt().clear();
    env->prompt().queueChoice(kC004);
    env->prompt().queue(PromptAnswer::Yes); // the data will be replaced
    env->prompt().queue(PromptAnswer::Yes); // the file's PAN is the first client's
    EXPECT_TRUE(OpenWith::importFile(env->host(), file, "2026"));

    const auto &shown = env->prompt().shown();
    ASSERT_EQ(shown.size(), 4u) << env->prompt().texts().join(" / ").toStdString();
    EXPECT_EQ(shown[0].kind, "choose");
    EXPECT_EQ(shown[0].text, "Import 3CA_AABCS1234K_2026.json into the report of 2025-26 of the client:");
    EXPECT_EQ(shown[1].text,
              "The file will replace all the data of Form 3CD of C004  Sanjay O'Brien Trading Co. "
              "(AAECS9876Q) for the year 2025-26.\nAre you sure to continue?");
    EXPECT_EQ(shown[1].buttons, PromptButtons::YesNoDefaultNo);
    EXPECT_EQ(shown[3].text, "Imported Successfully.");
    EXPECT_EQ(env->host().Temp_Code(), "C004");
    EXPECT_EQ(ClauseStore::readPoint(4, "11a").size(), 5);
}

TEST_P(OpenWithImport, NoAnswerOrNoClientLeavesEveryReportAsItWas)
{
    const QString file = writeFile("3CA_AABCS1234K_2026.json", documentOf("C001"));
    env->prompt().clear();
    env->prompt().queueChoice(kC004); // then the warning is answered No by default
    EXPECT_FALSE(OpenWith::importFile(env->host(), file, "2026"));
    env->prompt().queueChoice(-1);
    EXPECT_FALSE(OpenWith::importFile(env->host(), file, "2026"));
    EXPECT_EQ(env->prompt().texts().size(), 3);
    EXPECT_TRUE(rowsOf("C004").isEmpty());
}

TEST_P(OpenWithImport, AFileThatIsNoEfilingFileIsRefusedBeforeAnyQuestion)
{
    const QString file = writeFile("notes.txt", "not a return");
    env->prompt().clear();
    EXPECT_FALSE(OpenWith::importFile(env->host(), file, "2026"));
    EXPECT_EQ(env->prompt().texts(), QStringList{"notes.txt is not an e-filing JSON or XML file."});
    EXPECT_FALSE(OpenWith::importFile(env->host(), env->dir() + "/missing.json", "2026"));
    EXPECT_EQ(env->prompt().lastText(), env->dir() + "/missing.json cannot be read.");
}
