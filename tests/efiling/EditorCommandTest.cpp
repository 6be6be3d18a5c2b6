#include "EfilingTestSupport.h"

#include "dialogs/clsExportJSON.h"
#include "editor/Form3CD.h"
#include "efiling/KestrovaJVUtil.h"

#include <QFile>

class EditorCommand_ : public EfilingTest
{
protected:
    void TearDown() override
    {
        delete Form3CD::existing();
        EfilingTest::TearDown();
    }
};

TALVEX_BOTH_ENGINES(EditorCommand_);

TEST_P(EditorCommand_, GenerateJsonSavesEveryPageThenWritesAFileOurSchemaAccepts)
{
    Form3CD *editor = Form3CD::instance();
    editor->show();
    // The first run meets the clauses left blank; answered "no information", they pass
    // the second time, which reaches the save dialog.
    editor->runCommand(EditorCommand::GenerateJson);
    ASSERT_EQ(env->prompt().shown().back().kind, "save");
    env->prompt().clear();
    const QString path = tempFile("3CA.json");
    env->prompt().queueText(path);
    env->prompt().queueChoice(0);
    editor->runCommand(EditorCommand::GenerateJson);
    ASSERT_TRUE(QFile::exists(path)) << env->prompt().texts().join("\n").toStdString();
    EXPECT_EQ(KestrovaJVUtil()
                  .Validate(path, clsExportJSON::schemaFolder() + "/FORM3CA3CD_MainSchema.json")
                  .toStdString(),
              "#OK#");
    EXPECT_EQ(env->prompt().shown().back().title, " Confirmation");
}
