#include "Form3cebTestSupport.h"
#include "TestFiles.h"
#include "ToolRun.h"

#include "host/HostContext.h"
#include "store/ClauseStore.h"
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

// A Form 3CEB file offered to a Form 3CA-3CD or 3CB-3CD report is refused naming the report's
// form, and the report stays as it was.
TEST_P(Xml3cebCommand, AForm3cebFileOfferedToAForm3cdReportIsRefusedByItsForm)
{
    const QString out = QDir(env->dir()).filePath("3ceb.xml");
    ASSERT_EQ(run({"generate-xml", "--client", "C004", "--year", "2026", "--out", out}).status, 0);
    env->openForm(FormKind::F3CB, "C002");
    ClauseStore::insertRow(101, "3CBPT2", {"We", "Profit and Loss Account", "Ahmedabad", "1"});

    for (const auto &[client, message] :
         {std::pair{"C001", "Selected XML File is not a Form 3CA-3CD XML File"},
          std::pair{"C002", "Selected XML File is not a Form 3CB-3CD XML File"}}) {
        const QString rows = run({"rows", "--client", client, "--year", "2026"}).out;
        const ToolRun refused = run({"import-json", "--client", client, "--year", "2026", out, "--yes"});
        EXPECT_EQ(refused.status, 1) << client;
        EXPECT_TRUE((refused.out + refused.err).contains(message)) << refused.err.toStdString();
        EXPECT_EQ(run({"rows", "--client", client, "--year", "2026"}).out, rows) << client;
    }

    // The Form 3CEB import names its own form for a file of another.
    QByteArray text = readFile(out);
    text.replace("<Form:FormName>FORM3CEB</Form:FormName>", "<Form:FormName>FORM3CA</Form:FormName>");
    const ToolRun other = run(
        {"import-xml", "--client", "C004", "--year", "2026", "--force", "--yes", writeFile("3ca.xml", text)});
    EXPECT_EQ(other.status, 1);
    EXPECT_TRUE((other.out + other.err).contains("Selected XML File is not a Form FORM 3CEB XML File"))
        << other.err.toStdString();
}
