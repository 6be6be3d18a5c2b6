#include "ImportTestSupport.h"
#include "ToolRun.h"
#include "ZipWriter.h"

#include "dialogs/clsExportJSON.h"
#include "store/Database.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
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
        // The Form 3CA/3CB-3CD rows: the demo client C004 also has a Form 3CEB.
        QStringList lines = taxaudit(home.path(), {"--db", db, "rows", "--client", client, "--year", "2026"})
                                .out.split(u'\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString &line) { return line.contains("\t3CEB\t"); });
        return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
    }
    QTemporaryDir home;
    QString db;
};

TALVEX_BOTH_ENGINES(ImportCommandLine);

TEST_P(ImportCommandLine, ImportJsonReplacesTheReportOfTheClientAndYear)
{
    const QString file = home.path() + "/3CA_AABCS1234K_2026.json";
    // The file is the first client's: the fourth takes it only when told to.
    const ToolRun refused = taxaudit(
        home.path(), {"--db", db, "import-json", "--client", "C004", "--year", "2026", file, "--yes"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, file + "\tC004\t2026\tNot imported\n");
    EXPECT_TRUE(refused.err.contains("The PAN in the file [AABCS1234K] does not match the client's PAN "
                                     "[AAECS9876Q]. Import anyway? [No]"))
        << refused.err.toStdString();
    EXPECT_EQ(rowsOf("C004"), "");

    const ToolRun run = taxaudit(
        home.path(), {"--db", db, "import-json", "--client", "C004", "--year", "2026", file, "--force"});
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

TEST_P(ImportCommandLine, AForm3CBFileIsRefusedByAForm3CAReportUnlessTheSwitchIsAsked)
{
    // The first client's report is Form 3CA; the same report written as Form 3CB.
    env->openForm(FormKind::F3CB);
    const QByteArray form3CB = clsExportJSON::compose(QDate(2026, 10, 1));
    writeReturn("3CB_AABCS1234K_2026.json", form3CB);
    const QString file = home.path() + "/3CB_AABCS1234K_2026.json";
    const QString before = rowsOf("C001");
    ASSERT_TRUE(before.contains("\n1\t3CA\t3CA1\t") || before.startsWith("1\t3CA\t3CA1\t"));

    const ToolRun refused =
        taxaudit(home.path(), {"--db", db, "import-json", "--client", "C001", "--year", "2026", file});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("Selected JSON File is not a Form 3CA-3CD JSON File"))
        << refused.err.toStdString();
    EXPECT_FALSE(refused.err.contains("Imported Successfully."));
    EXPECT_EQ(rowsOf("C001"), before);

    const ToolRun switched = taxaudit(home.path(), {"--db", db, "import-json", "--client", "C001", "--year",
                                                    "2026", file, "--form-switch", "--yes"});
    EXPECT_EQ(switched.status, 0) << switched.err.toStdString();
    EXPECT_FALSE(rowsOf("C001").contains("\t3CA\t"));

    // A client without a report for the year takes the file's form.
    QByteArray other = form3CB;
    other.replace("\"PAN\": \"AABCS1234K\"", "\"PAN\": \"AAECS9876Q\"");
    writeReturn("3CB_AAECS9876Q_2026.json", other);
    const ToolRun fresh = taxaudit(home.path(), {"--db", db, "import-json", "--client", "C004", "--year",
                                                 "2026", home.path() + "/3CB_AAECS9876Q_2026.json"});
    EXPECT_EQ(fresh.status, 0) << fresh.err.toStdString();
    EXPECT_TRUE(rowsOf("C004").contains("\t3CB\t"));
}

TEST_P(ImportCommandLine, APanThatIsNoPanNeverNamesAFile)
{
    env->host().DBObj().Execute("UPDATE main_info1 SET PAN=? WHERE Code_No=?", {"../../escaped", "C001"});
    QDir().mkpath(home.path() + "/work");
    const QStringList before = filesUnder(home.path());
    const ToolRun run =
        taxaudit(home.path() + "/work", {"--db", db, "generate-json", "--client", "C001", "--year", "2026"});
    QStringList added;
    for (const QString &f : filesUnder(home.path()))
        if (!before.contains(f) && f.endsWith(".json") && !f.startsWith("work/tmp/"))
            added << f;
    // The file is written in the current folder under a name without the PAN, or not at all.
    EXPECT_TRUE(added.isEmpty() || added == QStringList{"work/3CA_2026.json"})
        << added.join(", ").toStdString() << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(home.path() + "/../escaped_2026.json"));
    EXPECT_FALSE(QFile::exists(home.path() + "/escaped_2026.json"));
}

TEST_P(ImportCommandLine, ListingsEscapeControlCharacters)
{
    env->host().DBObj().Execute("UPDATE main_info1 SET Name=? WHERE Code_No=?",
                                {QString("Evil\x1b[2J\tCo\r\nC999\tFake") + QChar(0) + "End", "C004"});
    const ToolRun clients = taxaudit(home.path(), {"--db", db, "clients"});
    EXPECT_EQ(clients.out.count('\n'), 4) << clients.out.toStdString();
    EXPECT_FALSE(clients.out.contains(QChar(0x1b)));
    EXPECT_TRUE(clients.out.contains("C004\tEvil\\x{1b}[2J\\tCo\\r\\nC999\\tFake"))
        << clients.out.toStdString();
}
