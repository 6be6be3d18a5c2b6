#include "ImportTestSupport.h"
#include "ToolRun.h"
#include "ZipWriter.h"

#include "dialogs/clsExportJSON.h"
#include "store/Database.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace
{

ToolRun taxaudit(const QString &home, const QStringList &args)
{
    return runTaxaudit(home, args);
}

QStringList filesUnder(const QString &dir)
{
    QStringList files;
    for (QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

// The tool on a database of the engine that the test host prepared with the demo data.
class ImportCommandLine : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (!env)
            return;
        QDir().mkpath(home.path() + "/tmp");
        db = env->host().DBObj().url().toString();
        fillDemoReport(*env);
        writeReturn("3CA_AABCS1234K_2026.json", clsExportJSON::compose(QDate(2026, 10, 1)));
    }
    void writeReturn(const QString &name, const QByteArray &text)
    {
        QFile f(home.path() + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray returnText(const QString &name)
    {
        QFile f(home.path() + "/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString rowsOf(const QString &client)
    {
        return taxaudit(home.path(), {"--db", db, "rows", "--client", client, "--year", "2026"}).out;
    }
    QTemporaryDir home;
    QString db;
};

TALVEX_BOTH_ENGINES(ImportCommandLine);

TEST_P(ImportCommandLine, ImportJsonReplacesTheReportOfTheClientAndYear)
{
    const QString file = home.path() + "/3CA_AABCS1234K_2026.json";
    const ToolRun run =
        taxaudit(home.path(), {"--db", db, "import-json", "--client", "C004", "--year", "2026", file});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, file + "\tC004\t2026\tSuccess\n");
    EXPECT_TRUE(run.err.contains("Imported Successfully."));
    EXPECT_TRUE(rowsOf("C004").contains("2\t3CD\t8a\t115BAA\n"));

    writeReturn("broken.json", "{\"FORM3CA\": {\"F3CA\": {");
    const QString before = rowsOf("C004");
    const ToolRun bad = taxaudit(home.path(), {"--db", db, "import-json", "--client", "C004", "--year",
                                               "2026", home.path() + "/broken.json"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.contains("Error: Invalid JSON File")) << bad.err.toStdString();
    EXPECT_EQ(rowsOf("C004"), before);
}

TEST_P(ImportCommandLine, BulkImportOfAZipPrintsOneLineAFile)
{
    QByteArray other = returnText("3CA_AABCS1234K_2026.json");
    other.replace("\"PAN\": \"AABCS1234K\",\r\n            \"Me_Us_Ms\"", "\"PAN\": \"AAECS9876Q\",\r\n"
                                                                          "            \"Me_Us_Ms\"");
    const QString zip = home.path() + "/returns.zip";
    ASSERT_TRUE(writeZip(zip, {{"a.json", returnText("3CA_AABCS1234K_2026.json")},
                               {"b.json", other},
                               {"c.json", "{\"FORM3CA\": {\"F3CA\": {\"Declaration\": {\"Point1\": {\"PAN\": "
                                          "\"ZZZPZ9999Z\"}}}}}"}}));

    ToolRun declined = taxaudit(home.path(), {"--db", db, "bulk-import", zip});
    EXPECT_EQ(declined.status, 1);
    EXPECT_TRUE(rowsOf("C004").isEmpty()) << "without --yes the question is answered No";

    const ToolRun run = taxaudit(home.path(), {"--db", db, "bulk-import", zip, "--yes"});
    EXPECT_EQ(run.status, 1) << "the file of an unknown PAN is not imported";
    EXPECT_EQ(run.out, "a.json\tFORM3CA - 3CD\t2026\tAABCS1234K\tC001\tSuccess\n"
                       "b.json\tFORM3CA - 3CD\t2026\tAAECS9876Q\tC004\tSuccess\n"
                       "c.json\tFORM3CA - 3CD\t\tZZZPZ9999Z\tNOT FOUND\tNot imported\n");
    EXPECT_FALSE(rowsOf("C004").isEmpty());
}

TEST_P(ImportCommandLine, AZipThatReachesOutsideItsFolderIsRefused)
{
    const QString zip = home.path() + "/evil.zip";
    ASSERT_TRUE(writeZip(zip, {{"a.json", returnText("3CA_AABCS1234K_2026.json")},
                               {"../../escaped.json", returnText("3CA_AABCS1234K_2026.json")}}));
    const QStringList before = filesUnder(home.path());
    const QString rowsBefore = rowsOf("C001");

    const ToolRun run = taxaudit(home.path(), {"--db", db, "bulk-import", zip, "--yes"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("Could not Extract the Zip File.")) << run.err.toStdString();
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(filesUnder(home.path()), before) << "nothing unpacked, inside or outside the temporary folder";
    EXPECT_EQ(rowsOf("C001"), rowsBefore);
}
