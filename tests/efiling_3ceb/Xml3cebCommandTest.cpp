#include "Form3cebTestSupport.h"
#include "TestFiles.h"
#include "ToolRun.h"

#include "host/HostContext.h"
#include "store/Database.h"

#include <QDir>

// taxaudit writes, checks and reads the Form 3CEB XML as the desktop does.
class Xml3cebCommand : public Form3cebTest
{
protected:
    ToolRun run(QStringList arguments)
    {
        QDir().mkpath(env->dir() + "/tmp");
        return runTaxaudit(env->dir(), QStringList{"--db", host().DBObj().url().toString()} + arguments);
    }
};

TALVEX_BOTH_ENGINES(Xml3cebCommand);

TEST_P(Xml3cebCommand, GenerateValidateAndImportTheDemoForm3ceb)
{
    const QString out = QDir(env->dir()).filePath("demo.xml");
    const ToolRun written = run({"generate-xml", "--client", "C004", "--year", "2026", "--out", out});
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    EXPECT_EQ(withoutCreationDate(readFile(out)),
              readFile(TALVEX_3CEB_TEST_DATA "/3CEB_AAECS9876Q_2026.xml"));
    EXPECT_EQ(run({"generate-xml", "--client", "C004", "--year", "2026", "--out", out}).status, 2);

    const ToolRun valid = run({"validate", out});
    EXPECT_EQ(valid.status, 0) << valid.out.toStdString() << valid.err.toStdString();

    const ToolRun refused = run({"import-xml", "--client", "C002", "--year", "2026", out});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("does not match the client's PAN")) << refused.err.toStdString();
    EXPECT_TRUE(rowsOf("C002").isEmpty());

    const ToolRun imported = run({"import-xml", "--client", "C002", "--year", "2026", "--force", out});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    const QString again = QDir(env->dir()).filePath("again.xml");
    ASSERT_EQ(run({"generate-xml", "--client", "C002", "--year", "2026", "--out", again}).status, 0);
    EXPECT_EQ(readFile(again), readFile(out));
}
