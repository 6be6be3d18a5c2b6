#include "EfilingTestSupport.h"
#include "ToolRun.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

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
    EXPECT_TRUE(lines[0].startsWith(
        "19:11: FORM3CA.F3CA.Declaration.Point1.CA_FirmName: Required properties are missing"))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("43:13: FORM3CA.F3CA.Declaration.Point1.AuditDated:"));
    EXPECT_TRUE(lines[2].startsWith("97:11: FORM3CA.F3CA.PartA.Status: Invalid type."));
    EXPECT_TRUE(lines[3].contains("MethodValCS.Colour: Property 'Colour' has not been defined"));
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
