#include "EfilingTestSupport.h"
#include "ToolRun.h"

#include "SourceDataDir.h"
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <algorithm>

namespace
{

// Runs the command-line tool on its own SQLite database in a folder of the test.
class Taxaudit
{
public:
    ToolRun operator()(const QStringList &arguments) const
    {
        return runTaxaudit(m_dir.path(), QStringList{"--db", "sqlite:" + m_dir.filePath("t.db")} + arguments);
    }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST(TaxauditCommand, GeneratesAValidFileAndListsTheFaultsOfABrokenCopy)
{
    Taxaudit taxaudit;
    ASSERT_EQ(taxaudit({"demo"}).status, 0);
    const QString out = taxaudit.file("3CA.json");
    const ToolRun generated = taxaudit({"generate-json", "--client", "C001", "--year", "2026", "--out", out});
    EXPECT_EQ(generated.status, 0) << generated.err.toStdString();
    EXPECT_EQ(taxaudit({"validate", out}).status, 0);

    QByteArray text = readFile(out);
    text.replace("\"Status\": 7,", "\"Status\": \"seven\",");
    text.replace("\"AuditDated\": \"2026-08-12\"", "\"AuditDated\": \"12/08/2026\"");
    text.replace("\"CA_FirmName\": \"Raghavan Iyer & Co.\",\r\n", "");
    text.replace("\"MethodValCS\": {", "\"MethodValCS\": {\r\n          \"Colour\": \"blue\",");
    const QString broken = taxaudit.file("broken.json");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();

    const ToolRun checked = taxaudit({"validate", broken});
    EXPECT_EQ(checked.status, 1);
    const QStringList lines = checked.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4) << checked.out.toStdString();
    EXPECT_EQ(lines[0], "19:11: Page 1 (Report): CA_FirmName is missing.");
    EXPECT_TRUE(
        lines[1].startsWith("43:13: Page 1 (Report), AuditDated: A date must be a real calendar date"))
        << lines[1].toStdString();
    EXPECT_EQ(lines[2],
              "97:11: Clause 5 (page 2), Status (position in the list): must be a whole number; the "
              "file has the text \"seven\".");
    EXPECT_TRUE(lines[3].contains("Colour: the form has no such member")) << lines[3].toStdString();
}

TEST(TaxauditCommand, AReportNeverFilledInIsNotWritten)
{
    Taxaudit taxaudit;
    ASSERT_EQ(taxaudit({"demo"}).status, 0);
    const QString out = taxaudit.file("3CA_C003.json");
    const ToolRun run = taxaudit({"generate-json", "--client", "C003", "--year", "2026", "--out", out});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Form is not filled please fill the form\nNo file was written.\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(QFile::exists(out));
}

namespace
{

// "line:column" of a byte offset of a text.
QString placeOf(const QByteArray &text, qsizetype offset)
{
    const QByteArray before = text.left(offset);
    return QStringLiteral("%1:%2").arg(before.count('\n') + 1).arg(offset - before.lastIndexOf('\n'));
}

} // namespace

TEST(TaxauditCommand, ValidateReportsWhereAFileCannotBeReadAndRefusesWhatTheImportRefuses)
{
    Taxaudit taxaudit;
    ASSERT_EQ(taxaudit({"demo"}).status, 0);
    const QString out = taxaudit.file("3CA.json");
    ASSERT_EQ(taxaudit({"generate-json", "--client", "C001", "--year", "2026", "--out", out}).status, 0);
    const QByteArray good = readFile(out);
    const QString schema =
        QStringLiteral(TALVEX_SOURCE_DATA_DIR "/3CDFiles/JSONSchema/FORM3CA3CD/FORM3CA3CD_MainSchema.json");
    const auto write = [&](const QString &name, const QByteArray &text) {
        QFile f(taxaudit.file(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    };

    // A comma too many, with the form found from the file and with the schema given.
    QByteArray text = good;
    text.replace("\"Status\": 7,", "\"Status\": 7,,");
    const QString broken = write("broken.json", text);
    const QString at = placeOf(text, text.indexOf("7,,") + 2);
    for (const QStringList &arguments :
         {QStringList{"validate", broken}, QStringList{"validate", broken, "--schema", schema}}) {
        const ToolRun run = taxaudit(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.startsWith(at + ": The file is not valid JSON: syntax error"))
            << run.out.toStdString();
    }

    // Part A twice: strict JSON takes the last, the import refuses the file; so does validate.
    text = good;
    const qsizetype partA = text.indexOf("\"PartA\": {");
    text.insert(partA, "\"PartA\": {},\r\n        ");
    const QString twice = write("twice.json", text);
    const ToolRun checked = taxaudit({"validate", twice});
    EXPECT_EQ(checked.status, 2);
    EXPECT_EQ(checked.out,
              placeOf(text, text.indexOf("\"PartA\": {", partA + 1)) +
                  ": The file cannot be read: the member \"PartA\" is given twice in one object\n");
    const ToolRun imported =
        taxaudit({"import-json", "--client", "C001", "--year", "2026", twice, "--force"});
    EXPECT_EQ(imported.status, 1);
    EXPECT_TRUE(imported.err.contains("Invalid JSON File")) << imported.err.toStdString();
}

TEST(TaxauditCommand, WrapsTheFileWhenAskedAndRefusesWhatItCannotRead)
{
    Taxaudit taxaudit;
    ASSERT_EQ(taxaudit({"demo"}).status, 0);
    const QString out = taxaudit.file("3CA.json");
    ASSERT_EQ(
        taxaudit({"generate-json", "--client", "C001", "--year", "2026", "--out", out, "--envelope", "O"})
            .status,
        0);
    EXPECT_TRUE(readFile(out).startsWith("{\r\n\"metadata\": {\r\n\"filingType\": \"O\","));
    EXPECT_EQ(taxaudit({"validate", out}).status, 0);

    EXPECT_EQ(taxaudit({"validate", taxaudit.file("missing.json")}).status, 2);
    QFile junk(taxaudit.file("junk.json"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("{\"FORM3CA\": {");
    junk.close();
    EXPECT_EQ(taxaudit({"validate", taxaudit.file("junk.json")}).status, 2);
}

TEST(TaxauditCommand, CheckListsEveryFindingOfAReportAsTheEditorDoes)
{
    Taxaudit taxaudit;
    ASSERT_EQ(taxaudit({"demo"}).status, 0);
    const ToolRun run = taxaudit({"check", "--client", "C001", "--year", "2026"});
    // The demo report leaves clauses blank for the accountant to answer.
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    const QStringList lines = run.out.trimmed().split('\n');
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const QString &l) {
        return l.startsWith("Clause ") && l.endsWith(" is blank");
    })) << run.out.toStdString();
    EXPECT_EQ(taxaudit({"check", "--client", "C001"}).status, 2);
}
