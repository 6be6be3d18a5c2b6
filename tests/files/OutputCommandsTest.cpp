#include "SmallDisk.h"
#include "TestFiles.h"
#include "TestHost.h"
#include "ToolRun.h"

#include "print/OfficeToPdf.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

// Every command that writes a file the user names, each writing its own file in `folder`
// (or all of them `target`); the file is the last argument.
QList<QStringList> outputCommands(const QString &folder, const QString &target = {})
{
    const auto out = [&](const char *name) {
        return target.isEmpty() ? QDir(folder).filePath(name) : target;
    };
    return {{"print", "--client", "C001", "--year", "2026", "--pdf", out("print.pdf")},
            {"accounts", "--client", "C001", "--year", "2026", "--statement", "bs-horizontal", "--pdf",
             out("accounts.pdf")},
            {"filing-status", "--year", "2026", "--pdf", out("filing-status.pdf")},
            {"generate-json", "--client", "C001", "--year", "2026", "--out", out("return.json")},
            {"generate-xml", "--client", "C004", "--year", "2026", "--out", out("form3ceb.xml")},
            {"export-annexure", "--client", "C001", "--year", "2026", "--clause", "34a", "--out",
             out("Annexure_34a.xlsx")},
            {"tds-template", "--client", "C001", "--year", "2026", "--out", out("tds.xlsx")}};
}

// The e-filing commands exit 1 when the schema faults the file they wrote.
bool written(const ToolRun &run, const QStringList &command)
{
    return run.status == 0 || (run.status == 1 && command.first().startsWith(QLatin1String("generate-")));
}

class OutputCommands : public testing::Test
{
protected:
    void SetUp() override
    {
        db = QStringLiteral("sqlite:") + home.filePath(QStringLiteral("t.db"));
        ASSERT_EQ(taxaudit({"demo"}).status, 0);
    }
    ToolRun taxaudit(const QStringList &arguments)
    {
        return runTaxaudit(home.path(), QStringList{QStringLiteral("--db"), db} + arguments);
    }

    QTemporaryDir home;
    QString db;
};

} // namespace

// print, accounts and filing-status replaced any file without --yes; every output now asks.
TEST_F(OutputCommands, EveryOutputNeedsYesToReplaceAFile)
{
    for (const QStringList &command : outputCommands(home.path())) {
        const QString out = command.last();
        writeFile(out, "an earlier file");

        const ToolRun refused = taxaudit(command);
        EXPECT_EQ(refused.status, 2) << command.first().toStdString() << refused.err.toStdString();
        EXPECT_TRUE(refused.err.contains(QStringLiteral("--yes replaces it"))) << refused.err.toStdString();
        EXPECT_EQ(readFile(out), "an earlier file") << command.first().toStdString();

        const ToolRun replaced = taxaudit(command + QStringList{QStringLiteral("--yes")});
        EXPECT_TRUE(written(replaced, command))
            << command.first().toStdString() << replaced.err.toStdString();
        EXPECT_NE(readFile(out), "an earlier file") << command.first().toStdString();
    }
}

// accounts --pdf given the open database's path replaced the database with a PDF.
TEST_F(OutputCommands, NoOutputIsWrittenOverTheOpenDatabase)
{
    const QString file = home.filePath(QStringLiteral("t.db"));
    const QByteArray before = readFile(file);
    for (const QString &target : {file, file + QStringLiteral("-wal"), file + QStringLiteral("-shm")}) {
        for (const QStringList &command : outputCommands({}, target)) {
            const ToolRun run = taxaudit(command + QStringList{QStringLiteral("--yes")});
            EXPECT_EQ(run.status, 2) << command.first().toStdString();
            EXPECT_TRUE(run.err.contains(QStringLiteral("the program has open"))) << run.err.toStdString();
        }
    }
    EXPECT_EQ(readFile(file), before);
    EXPECT_EQ(taxaudit({"clients"}).out.count(u'\n'), 4);
}

// On a full disk print left a broken PDF, accounts and filing-status empty ones, generate-json
// a truncated file, export-annexure and tds-template empty workbooks, all but one exiting 0.
TEST_F(OutputCommands, AFullDiskKeepsEveryGoodFile)
{
    SmallDisk disk;
    if (!disk.unavailable().isEmpty())
        GTEST_SKIP() << disk.unavailable().toStdString();
    QHash<QString, QByteArray> good;
    for (const QStringList &command : outputCommands(disk.path())) {
        const QString out = command.last();
        const ToolRun run = taxaudit(command);
        ASSERT_TRUE(written(run, command)) << command.first().toStdString() << run.err.toStdString();
        good.insert(out, readFile(out));
    }
    disk.fill();
    for (const QStringList &command : outputCommands(disk.path())) {
        const QString out = command.last();
        const ToolRun run = taxaudit(command + QStringList{QStringLiteral("--yes")});
        EXPECT_NE(run.status, 0) << command.first().toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("The disk is full")))
            << command.first().toStdString() << ": " << run.err.toStdString();
        EXPECT_EQ(readFile(out), good.value(out)) << command.first().toStdString();
    }
    QStringList names = good.keys();
    for (QString &name : names)
        name = QFileInfo(name).fileName();
    names.sort();
    QStringList left = disk.files();
    left.sort();
    EXPECT_EQ(left, names);
}

// to-pdf --yes deleted the old PDF and then failed on a full disk.
TEST_F(OutputCommands, ToPdfOnAFullDiskKeepsTheOldPdf)
{
    if (const QString why = OfficeToPdf::unavailable(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    SmallDisk disk;
    if (!disk.unavailable().isEmpty())
        GTEST_SKIP() << disk.unavailable().toStdString();
    const QString workbook = disk.filePath(QStringLiteral("Annexure_34a.xlsx"));
    ASSERT_EQ(taxaudit({"export-annexure", "--client", "C001", "--year", "2026", "--clause", "34a", "--out",
                        workbook})
                  .status,
              0);
    const ToolRun made = taxaudit({"to-pdf", workbook});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    const QString pdf = disk.filePath(QStringLiteral("Annexure_34a.pdf"));
    const QByteArray before = readFile(pdf);
    disk.fill();
    const ToolRun full = taxaudit({"to-pdf", workbook, "--yes"});
    EXPECT_NE(full.status, 0);
    EXPECT_TRUE(full.err.contains(QStringLiteral("The disk is full"))) << full.err.toStdString();
    EXPECT_EQ(readFile(pdf), before);
}

// generate-xml without --out put the client master's PAN into the file name as typed: a PAN
// of "../../x" wrote outside the folder.
TEST_F(OutputCommands, GenerateXmlNamesItsFileOnlyByARealPan)
{
    Database::open(DbUrl::parse(db))
        ->Execute(QStringLiteral("UPDATE main_info1 SET PAN=? WHERE Code_No=?"), {"../../x", "C004"});
    const ToolRun run = taxaudit({"generate-xml", "--client", "C004", "--year", "2026"});
    ASSERT_LE(run.status, 1) << run.err.toStdString();
    const QFileInfo xml(run.out.trimmed());
    EXPECT_EQ(xml.fileName(), QStringLiteral("3CEB_2026.xml"));
    EXPECT_EQ(xml.absolutePath(), QFileInfo(home.path()).absoluteFilePath());
    EXPECT_TRUE(xml.exists());
}

// import-tds --tds-db sqlite:/no/such/dir/x.db made the folder and an empty database.
TEST_F(OutputCommands, ImportTdsRefusesADatabaseThatIsNotThere)
{
    const QString missing = home.filePath(QStringLiteral("no/such/dir/x.db"));
    const ToolRun run = taxaudit({"import-tds", "--client", "C001", "--year", "2026", "--tds-db",
                                  QStringLiteral("sqlite:") + missing, "--tds-client", "T001", "--yes"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("There is no TDS database"))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("no"))));
}

// to-pdf let LibreOffice fetch the images a document links to (requests reached the server).
TEST_F(OutputCommands, ToPdfFetchesNothingADocumentLinksTo)
{
    if (const QString why = OfficeToPdf::unavailable(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    const int server = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(server, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr *>(&address), length), 0);
    ASSERT_EQ(::listen(server, 8), 0);
    ASSERT_EQ(::getsockname(server, reinterpret_cast<sockaddr *>(&address), &length), 0);
    const QString link = QStringLiteral("http://127.0.0.1:%1/seal.png").arg(ntohs(address.sin_port));

    const QString document = home.filePath(QStringLiteral("letter.fodt"));
    writeFile(document,
              QStringLiteral(
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                  "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                  "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
                  "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
                  "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" "
                  "xmlns:xlink=\"http://www.w3.org/1999/xlink\" office:version=\"1.2\" "
                  "office:mimetype=\"application/vnd.oasis.opendocument.text\"><office:body><office:text>"
                  "<text:p>Seal: <draw:frame draw:name=\"seal\" svg:width=\"2cm\" svg:height=\"2cm\">"
                  "<draw:image xlink:href=\"%1\" xlink:type=\"simple\" xlink:show=\"embed\" "
                  "xlink:actuate=\"onLoad\"/></draw:frame></text:p></office:text></office:body>"
                  "</office:document>")
                  .arg(link)
                  .toUtf8());

    const ToolRun run = taxaudit({"to-pdf", document});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    pollfd waiting{server, POLLIN, 0};
    EXPECT_EQ(::poll(&waiting, 1, 500), 0) << "LibreOffice connected to " << link.toStdString();
    ::close(server);
}
