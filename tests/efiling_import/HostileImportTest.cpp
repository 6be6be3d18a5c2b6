#include "ImportTestSupport.h"

#include "commands/clsImportJSON.h"
#include "host/HostContext.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringConverter>
#include <QThread>

// Files and situations a careless or hostile user brings to Import JSON.
class HostileImport : public ImportTest
{
protected:
    // The message the import showed for a given file, and that it changed nothing.
    QString refusalOf(const QString &file)
    {
        const QStringList before = rowsOf("C001");
        EXPECT_FALSE(clsImportJSON().ImportJSON(file));
        EXPECT_EQ(rowsOf("C001"), before);
        return env->prompt().lastText();
    }
};

TALVEX_BOTH_ENGINES(HostileImport);

TEST_P(HostileImport, OddFilesEachGetTheirOwnSentence)
{
    open("C001");
    const QString missing = env->dir() + "/nowhere.json";
    EXPECT_EQ(refusalOf(missing), "The file [" + missing + "] does not exist.");
    QDir().mkpath(env->dir() + "/folder.json");
    EXPECT_EQ(refusalOf(env->dir() + "/folder.json"),
              "[" + env->dir() + "/folder.json] is a folder, not a JSON file.");
    const QString empty = writeFile("empty.json", "  \r\n");
    EXPECT_EQ(refusalOf(empty), "The file [" + empty + "] is empty.");

    auto toUtf16 = QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const QByteArray wide = toUtf16(QString::fromUtf8(documentOf("C001")));
    open("C001");
    const QString utf16 = writeFile("utf16.json", wide);
    EXPECT_EQ(refusalOf(utf16),
              "The file [" + utf16 + "] is saved as UTF-16 text. Save it as UTF-8 and import it again.");
    EXPECT_EQ(env->prompt().shown().back().title, "Error");

    // A UTF-8 file with a byte-order mark, as Windows editors save it, is a good file.
    const QString marked = writeFile("bom.json", "\xEF\xBB\xBF" + documentOf("C001"));
    open("C001");
    EXPECT_TRUE(clsImportJSON().ImportJSON(marked)) << env->prompt().lastText().toStdString();
}

TEST_P(HostileImport, AnotherClientsFileIsImportedOnlyWhenTheUserSaysSo)
{
    const QString file = writeFile("3CA_AABCS1234K_2026.json", documentOf("C001"));
    open("C004");
    const QString question = "The PAN in the file [AABCS1234K] does not match the client's PAN [AAECS9876Q]. "
                             "Import anyway?";

    env->prompt().queueText(file);
    env->prompt().queue(PromptAnswer::Yes); // the warning that the data will be replaced
    EXPECT_FALSE(clsImportJSON().ImportJSON());
    const auto &shown = env->prompt().shown();
    EXPECT_EQ(shown.back().text, question);
    EXPECT_EQ(shown.back().buttons, PromptButtons::YesNoDefaultNo);
    EXPECT_EQ(shown.back().answer, "No");
    EXPECT_TRUE(rowsOf("C004").isEmpty());

    env->prompt().queueText(file);
    env->prompt().queue(PromptAnswer::Yes);
    env->prompt().queue(PromptAnswer::Yes); // this time on purpose
    EXPECT_TRUE(clsImportJSON().ImportJSON());
    EXPECT_FALSE(rowsOf("C004").isEmpty());
}

TEST_P(HostileImport, AWaitForAnotherWorkstationsLockReadsAsASentence)
{
    const QString file = writeFile("3CA_AABCS1234K_2026.json", documentOf("C001"));
    open("C001");
    const QStringList before = rowsOf("C001");
    // A second workstation in the middle of saving this client's report.
    auto other = Database::open(env->host().DBObj().url());
    if (GetParam() == TestEngine::SQLite) {
        env->host().DBObj().Execute("PRAGMA busy_timeout = 200");
        other->Execute("BEGIN IMMEDIATE");
    } else {
        env->host().DBObj().Execute("SET SESSION innodb_lock_wait_timeout = 1");
        other->BeginTrans();
    }
    other->Execute("DELETE FROM anx_j3cd_2026 WHERE Code_No=? AND PageNo=?", {"C001", 2});

    EXPECT_FALSE(clsImportJSON().ImportJSON(file));
    EXPECT_EQ(env->prompt().lastText(),
              "Another workstation is saving this client's report; try again in a moment.");
    if (GetParam() == TestEngine::SQLite)
        other->Execute("ROLLBACK");
    else
        other->RollbackTrans();
    EXPECT_EQ(rowsOf("C001"), before);
}

TEST_P(HostileImport, RowsOfAMegabyteEachGoInOnEveryEngine)
{
    // Twenty-four rows of the capital assets clause, each describing its asset in 1 MiB:
    // more than the server's max_allowed_packet of 16 MiB in one statement.
    QString text = QString::fromUtf8(documentOf("C001"));
    QStringList assets;
    for (int i = 0; i < 24; ++i)
        assets << QString("{\"DescCapAsst\": \"%1 %2\", \"DateOfAcq\": \"2025-05-10\", \"CostOfAcq\": 100}")
                      .arg(i)
                      .arg(QString(1024 * 1024, QChar(u'a' + i % 26)));
    const QString block = "\"Form3cdCapAsstSit\": [" + assets.join(",") + "]";
    const QRegularExpression existing("\"Form3cdCapAsstSit\": \\[[^\\]]*\\]");
    if (text.contains(existing)) {
        text.replace(existing, block);
    } else {
        const qsizetype at = text.indexOf("\"Form3cdDeprAllw\"");
        ASSERT_GT(at, 0);
        text.insert(at, block + ",\r\n");
    }
    const QString file = writeFile("big.json", text.toUtf8());
    text.clear();

    open("C001");
    ASSERT_TRUE(clsImportJSON().ImportJSON(file)) << env->prompt().lastText().toStdString();
    Recordset rs = env->host().DBObj().Execute(
        "SELECT count(*) FROM anx_j3cd_2026 WHERE Code_No=? AND (length(Col1) > ? OR length(Col2) > ?)",
        {"C001", 1024 * 1024, 1024 * 1024});
    EXPECT_EQ(rs.Fields(0).toInt(), 24);
    // The connection is still there for the next statement.
    EXPECT_FALSE(rowsOf("C001").isEmpty());
}

TEST_P(HostileImport, ALostServerIsSaidPlainlyAndTheNextCommandConnectsAfresh)
{
    if (GetParam() == TestEngine::SQLite)
        GTEST_SKIP() << "an embedded database has no connection to lose";
    const QString file = writeFile("3CA_AABCS1234K_2026.json", documentOf("C001"));
    open("C001");
    Database &db = env->host().DBObj();
    // The server closes a connection idle for longer than its wait_timeout.
    db.Execute("SET SESSION wait_timeout = 1");
    QThread::sleep(3);

    EXPECT_FALSE(clsImportJSON().ImportJSON(file));
    EXPECT_TRUE(env->prompt().lastText().startsWith("The connection to the database server was lost"))
        << env->prompt().lastText().toStdString();
    EXPECT_TRUE(clsImportJSON().ImportJSON(file)) << env->prompt().lastText().toStdString();
    EXPECT_EQ(env->prompt().lastText(), "Imported Successfully.");
}

// A file whose declaration names this client but whose particulars name another would
// rewrite this client's assessee row with the other's name and PAN.
TEST_P(HostileImport, EveryPanThatNamesTheAssesseeIsComparedWithTheClients)
{
    nlohmann::json doc = nlohmann::json::parse(documentOf("C001").toStdString());
    nlohmann::json &form = doc["FORM3CA"]["F3CA"];
    ASSERT_EQ(form["Declaration"]["Point1"]["PAN"], "AABCS1234K");
    ASSERT_EQ(form["PartA"]["PAN"], "AABCS1234K");
    form["PartA"]["PAN"] = "AAHFM4521L";
    const QString mixed = writeFile("mixed.json", QByteArray::fromStdString(doc.dump()));
    open("C001");
    EXPECT_EQ(
        refusalOf(mixed),
        "The PAN in the file [AAHFM4521L] does not match the client's PAN [AABCS1234K]. Import anyway?");
    EXPECT_EQ(env->prompt().shown().back().answer, "No");

    form["PartA"].erase("PAN");
    form["Declaration"]["Point1"].erase("PAN");
    const QString nameless = writeFile("nameless.json", QByteArray::fromStdString(doc.dump()));
    open("C001");
    EXPECT_EQ(refusalOf(nameless),
              "The file does not name the assessee's PAN, so it cannot be told whether it is "
              "this client's [AABCS1234K]. Import anyway?");
    EXPECT_EQ(env->prompt().shown().back().buttons, PromptButtons::YesNoDefaultNo);

    open("C001");
    clsImportJSON forced;
    forced.allowOtherPan(true);
    EXPECT_TRUE(forced.ImportJSON(nameless)) << env->prompt().lastText().toStdString();
}

// /dev/zero never ends and a file of gigabytes would take all the memory: neither is read.
TEST_P(HostileImport, AnEndlessOrHugeFileIsRefusedBeforeItIsRead)
{
    open("C001");
    EXPECT_EQ(refusalOf("/dev/zero"), "[/dev/zero] is a device or a pipe, not a file; it is not read.");
    const QString huge = writeFile("huge.json", "{}");
    ASSERT_TRUE(QFile::resize(huge, (qint64(256) << 20) + 1));
    EXPECT_EQ(refusalOf(huge),
              "The file [" + huge +
                  "] is larger than 256 MiB, more than any file of its kind; it is not read.");
}
