#include "TestHost.h"
#include "ZipWriter.h"

#include "efiling/bulk/BulkImport.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>

namespace
{

QByteArray report(const QString &root, const QString &pan, const QString &year)
{
    const QString key = root == "FORM3CA" ? "F3CA" : "F3CB";
    return QString("{\r\n  \"%1\": {\r\n    \"%2\": {\r\n      \"Form_Details\": {\"FormName\": \"%1\", "
                   "\"AssessmentYear\": \"%3\"},\r\n      \"Declaration\": {\"Point1\": {\"PAN\": "
                   "\"%4\"}}\r\n    }\r\n  "
                   "}\r\n}")
        .arg(root, key, year, pan)
        .toUtf8();
}

QByteArray envelope(const QByteArray &body)
{
    return "{\"metadata\": {\"filingType\": \"O\", \"formName\": \"F3CB-3CD\"},\"data\": " + body + "}";
}

void write(const QString &path, const QByteArray &text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

} // namespace

class BulkImporting : public EngineTest
{
protected:
    QString folder() const { return env->dir() + "/returns"; }
    void fillFolder()
    {
        QDir().mkpath(folder());
        write(folder() + "/a_3CA_AABCS1234K_2026.json", report("FORM3CA", "AABCS1234K", "2026"));
        write(folder() + "/b_envelope.JSON", envelope(report("FORM3CB", "ABCPI6789F", "2025")));
        write(folder() + "/c_unknown.json", report("FORM3CA", "ZZZPZ9999Z", "2026"));
        write(folder() + "/d_broken.json", "{\"FORM3CA\": {\"F3CA\": ");
        write(folder() + "/notes.txt", "not a return");
    }
};

TEST_P(BulkImporting, ListsEveryJsonFileWithItsFormYearAndClient)
{
    fillFolder();
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(folder(), false, files));
    ASSERT_EQ(files.size(), 4);

    EXPECT_EQ(files[0].form, "FORM3CA - 3CD");
    EXPECT_EQ(files[0].year, "2026");
    EXPECT_EQ(files[0].pan, "AABCS1234K");
    EXPECT_EQ(files[0].client, "C001");
    EXPECT_EQ(files[0].clientName, "Sharma Textiles Private Limited");

    EXPECT_EQ(files[1].fileName, "b_envelope.JSON");
    EXPECT_EQ(files[1].form, "FORM3CB - 3CD");
    EXPECT_EQ(files[1].client, "C003");
    EXPECT_EQ(files[1].clientName, "Ravi Kumar Iyer");

    EXPECT_EQ(files[2].client, BulkImport::kNotFound);
    EXPECT_EQ(files[3].form, "");
}

TEST_P(BulkImporting, ImportsTheSelectedFilesAndMarksEach)
{
    fillFolder();
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(folder(), false, files));
    QStringList calls;
    const auto importer = [&](const QString &file, const QString &client, const QString &year) {
        calls << QFileInfo(file).fileName() + ">" + client + "/" + year;
        return true;
    };

    EXPECT_FALSE(BulkImport::importSelected(files, importer));
    EXPECT_EQ(env->prompt().lastText(), "Please select at least one record to import.");

    for (auto &f : files)
        f.selected = true;
    EXPECT_FALSE(BulkImport::importSelected(files, importer));
    EXPECT_EQ(env->prompt().lastText(), "Please select client.");

    BulkImport::assignClient(files[2], "C004");
    EXPECT_EQ(files[2].clientName, "Sanjay O'Brien Trading Co.");
    BulkImport::assignClient(files[3], "C002");

    env->prompt().queue(PromptAnswer::No);
    EXPECT_FALSE(BulkImport::importSelected(files, importer));
    EXPECT_EQ(env->prompt().lastText(),
              "Do you want to import data from JSON.?\nIt will remove all existing data of 3CD.");
    EXPECT_TRUE(calls.isEmpty());

    env->prompt().queue(PromptAnswer::Yes);
    EXPECT_TRUE(BulkImport::importSelected(files, importer));
    EXPECT_EQ(calls, (QStringList{"a_3CA_AABCS1234K_2026.json>C001/2026", "b_envelope.JSON>C003/2025",
                                  "c_unknown.json>C004/2026"}));
    EXPECT_EQ(files[0].status, "Success");
    EXPECT_EQ(files[3].status, "Invalid File."); // the broken file never reaches the importer
}

TEST_P(BulkImporting, AZipOfReturnsIsUnpackedIntoTheTemporaryFolder)
{
    const QString zip = env->dir() + "/returns 2026.zip";
    ASSERT_TRUE(writeZip(zip, {{"one.json", report("FORM3CA", "AABCS1234K", "2026")},
                               {"two.json", report("FORM3CB", "AAHFM4521L", "2026")}}));
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(zip, true, files));
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].client, "C001");
    EXPECT_EQ(files[1].client, "C002");
    EXPECT_TRUE(files[0].path.startsWith(env->host().vTmpPath() + "/returns 2026/"));

    // Scanning again replaces the earlier unpacked folder.
    ASSERT_TRUE(BulkImport::scan(zip, true, files));
    EXPECT_EQ(files.size(), 2);
}

TEST_P(BulkImporting, TellsWhatIsWrongWithTheSource)
{
    QList<BulkImport::File> files;
    const std::vector<std::tuple<QString, bool, QString>> cases{
        {"", false, "Please Select a Folder."},
        {"  ", true, "Please Select a Zip File."},
        {env->dir() + "/nowhere", false, "Folder does not Exists."},
        {env->dir() + "/nowhere.zip", true, "Zip File does not Exists."},
        {env->dir(), false, "Could not Find any JSON File."},
    };
    for (const auto &[path, isZip, message] : cases) {
        EXPECT_FALSE(BulkImport::scan(path, isZip, files));
        EXPECT_EQ(env->prompt().lastText(), message);
    }

    const QString evil = env->dir() + "/evil.zip";
    ASSERT_TRUE(writeZip(evil, {{"../../outside.json", report("FORM3CA", "AABCS1234K", "2026")}}));
    EXPECT_FALSE(BulkImport::scan(evil, true, files));
    EXPECT_TRUE(env->prompt().lastText().startsWith("Could not Extract the Zip File.\n"));
    EXPECT_FALSE(QFile::exists(env->host().vTmpPath() + "/../outside.json"));
    EXPECT_FALSE(QFile::exists(env->dir() + "/outside.json"));
}

TALVEX_BOTH_ENGINES(BulkImporting);

#include "dialogs/frmBulkXMLImport.h"

#include <QLineEdit>
#include <QTableWidget>

TEST_P(BulkImporting, TheScreenWalksFromSourceToStatuses)
{
    fillFolder();
    QStringList calls;
    frmBulkXMLImport screen([&](const QString &file, const QString &client, const QString &) {
        calls << QFileInfo(file).fileName() + ">" + client;
        return true;
    });
    EXPECT_FALSE(screen.showList());
    EXPECT_EQ(env->prompt().lastText(), "Please Select a Folder.");

    screen.pathField()->setText(folder());
    ASSERT_TRUE(screen.showList());
    ASSERT_TRUE(screen.onListStep());
    QTableWidget *grid = screen.grid();
    ASSERT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->item(2, frmBulkXMLImport::ColClient)->text(), "NOT FOUND");

    grid->item(0, frmBulkXMLImport::ColSelect)->setCheckState(Qt::Checked);
    grid->item(2, frmBulkXMLImport::ColSelect)->setCheckState(Qt::Checked);
    env->prompt().queueChoice(0); // clients by name: Mehta & Sons is first
    screen.chooseClient(2);
    EXPECT_EQ(grid->item(2, frmBulkXMLImport::ColClient)->text(), "C002");
    EXPECT_TRUE(grid->item(2, frmBulkXMLImport::ColSelect)->checkState() == Qt::Checked);

    env->prompt().queue(PromptAnswer::Yes); // import
    env->prompt().queue(PromptAnswer::No);  // not another file
    screen.proceed();
    EXPECT_EQ(calls, (QStringList{"a_3CA_AABCS1234K_2026.json>C001", "c_unknown.json>C002"}));
    EXPECT_EQ(grid->item(0, frmBulkXMLImport::ColStatus)->text(), "Success");
    EXPECT_EQ(grid->item(1, frmBulkXMLImport::ColStatus)->text(), "");
    EXPECT_EQ(env->prompt().lastText(), "Import Completed.\nDo you want to import another file?.");
    EXPECT_TRUE(screen.onListStep());
}
