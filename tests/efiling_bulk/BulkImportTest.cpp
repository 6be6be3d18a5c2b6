#include "TestHost.h"
#include "ZipWriter.h"

#include "commands/BulkImport.h"
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
    BulkImport::Unpacked unpacked;
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
    ASSERT_TRUE(BulkImport::scan(folder(), false, files, unpacked));
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
    EXPECT_EQ(files[3].client, "") << "a broken file names no client";
    EXPECT_EQ(files[3].status, "Invalid File.");
}

TEST_P(BulkImporting, ImportsTheSelectedFilesAndMarksEach)
{
    fillFolder();
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(folder(), false, files, unpacked));
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
    ASSERT_TRUE(BulkImport::scan(zip, true, files, unpacked));
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].client, "C001");
    EXPECT_EQ(files[1].client, "C002");
    const QString first = unpacked.path();
    EXPECT_TRUE(first.startsWith(env->host().vTmpPath() + "/bulk-")) << first.toStdString();
    EXPECT_TRUE(files[0].path.startsWith(first + "/"));

    // Scanning again unpacks into a fresh folder and removes the earlier one.
    ASSERT_TRUE(BulkImport::scan(zip, true, files, unpacked));
    EXPECT_EQ(files.size(), 2);
    EXPECT_NE(unpacked.path(), first);
    EXPECT_FALSE(QFileInfo::exists(first));
    // The end of the run removes the last one.
    const QString second = unpacked.path();
    unpacked.release();
    EXPECT_FALSE(QFileInfo::exists(second));
    EXPECT_TRUE(QDir(env->host().vTmpPath()).isEmpty());
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
        EXPECT_FALSE(BulkImport::scan(path, isZip, files, unpacked));
        EXPECT_EQ(env->prompt().lastText(), message);
    }

    const QString evil = env->dir() + "/evil.zip";
    ASSERT_TRUE(writeZip(evil, {{"../../outside.json", report("FORM3CA", "AABCS1234K", "2026")}}));
    EXPECT_FALSE(BulkImport::scan(evil, true, files, unpacked));
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

#include "commands/clsImportJSON.h"

namespace
{

// Files that tell whether anything around the temporary folder was deleted.
QStringList plantSentinels(const QString &tmp)
{
    QDir().mkpath(tmp + "/other-run");
    const QStringList files{tmp + "/keep.txt", tmp + "/other-run/keep.json", tmp + "/../keep-beside.txt"};
    for (const QString &f : files)
        write(f, "still here");
    return files;
}

// A zip whose entries are renamed after writing, so that two may carry the same name.
void writeZipWithSameNames(const QString &path, const QByteArray &first, const QByteArray &second)
{
    ASSERT_TRUE(writeZip(path, {{"dup/a.json", first}, {"dup/b.json", second}}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.count("dup/b.json"), 2); // the local header and the central directory
    bytes.replace("dup/b.json", "dup/a.json");
    f.seek(0);
    f.write(bytes);
}

} // namespace

TEST_P(BulkImporting, AZipNamedLikeAFolderStepDeletesNothingOutsideItsOwnFolder)
{
    const QString tmp = env->host().vTmpPath();
    const QStringList sentinels = plantSentinels(tmp);
    for (const QString &name : {"...zip", "..zip", ".zip", "bulk-XXXXXX.zip"}) {
        const QString zip = env->dir() + "/" + name;
        ASSERT_TRUE(writeZip(zip, {{"a.json", report("FORM3CA", "AABCS1234K", "2026")}}));
        QList<BulkImport::File> files;
        ASSERT_TRUE(BulkImport::scan(zip, true, files, unpacked)) << name.toStdString();
        ASSERT_EQ(files.size(), 1);
        EXPECT_EQ(QFileInfo(unpacked.path()).dir().absolutePath(), QDir(tmp).absolutePath())
            << name.toStdString();
        unpacked.release();
        for (const QString &f : sentinels)
            EXPECT_TRUE(QFile::exists(f)) << name.toStdString() << " deleted " << f.toStdString();
    }
    QStringList left = QDir(tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, (QStringList{"keep.txt", "other-run"})) << "nothing of the runs stays behind";
}

TEST_P(BulkImporting, AZippedFolderIsSearchedAndEveryFileListed)
{
    QByteArray broken = report("FORM3CA", "AAHFM4521L", "2026");
    broken.chop(10);
    const QString zip = env->dir() + "/returns.zip";
    ASSERT_TRUE(writeZip(zip, {{"Returns 2026/", ""},
                               {"Returns 2026/one.json", report("FORM3CA", "AABCS1234K", "2026")},
                               {"Returns 2026/more/two.JSON", report("FORM3CB", "AAHFM4521L", "2026")},
                               {"Returns 2026/broken.json", broken}}));
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(zip, true, files, unpacked));
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(files[0].fileName, "Returns 2026/broken.json");
    EXPECT_EQ(files[0].status, "Invalid File.");
    EXPECT_EQ(files[0].client, "");
    EXPECT_EQ(files[1].fileName, "Returns 2026/more/two.JSON");
    EXPECT_EQ(files[1].client, "C002");
    EXPECT_EQ(files[2].fileName, "Returns 2026/one.json");
    EXPECT_EQ(files[2].client, "C001");
}

TEST_P(BulkImporting, TwoEntriesOfOneNameAreBothListed)
{
    const QString zip = env->dir() + "/same.zip";
    writeZipWithSameNames(zip, report("FORM3CA", "AABCS1234K", "2026"),
                          report("FORM3CA", "AAHFM4521L", "2026"));
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(zip, true, files, unpacked));
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].fileName, "dup/a (2).json");
    EXPECT_EQ(files[0].client, "C002");
    EXPECT_EQ(files[1].fileName, "dup/a.json");
    EXPECT_EQ(files[1].client, "C001");
}

TEST_P(BulkImporting, TwoFilesForOneClientAndYearImportOnlyTheFirstAndSaySo)
{
    QDir().mkpath(folder());
    write(folder() + "/a.json", report("FORM3CA", "AABCS1234K", "2026"));
    write(folder() + "/b.json", report("FORM3CA", "AABCS1234K", "2026"));
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(folder(), false, files, unpacked));
    for (auto &f : files)
        f.selected = true;
    QStringList calls;
    env->prompt().queue(PromptAnswer::Yes);
    ASSERT_TRUE(BulkImport::importSelected(files, [&](const QString &file, const QString &, const QString &) {
        calls << QFileInfo(file).fileName();
        return true;
    }));
    EXPECT_EQ(calls, QStringList{"a.json"});
    EXPECT_EQ(files[0].status, "Success");
    EXPECT_EQ(files[1].status, "Not imported: [a.json] is for the same client and year");
    const QStringList texts = env->prompt().texts();
    ASSERT_GE(texts.size(), 2);
    EXPECT_EQ(texts.at(texts.size() - 2),
              "More than one file is for the same client and year; only the first "
              "of them is imported:\n[a.json] is imported, not [b.json] (client "
              "C001, year 2026)");
}

TEST_P(BulkImporting, AYearWithATrailingLineFeedIsNoYear)
{
    QDir().mkpath(folder());
    write(folder() + "/a.json", report("FORM3CA", "AABCS1234K", "2027\\n"));
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(folder(), false, files, unpacked));
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].year, "2027\n");
    files[0].selected = true;
    env->prompt().queue(PromptAnswer::Yes);
    ASSERT_TRUE(BulkImport::importSelected(files, &clsImportJSON::importFile));
    EXPECT_EQ(files[0].status, "Invalid File.");
    EXPECT_FALSE(clsImportJSON::importFile(files[0].path, "C001", "2027\n"));
    for (const QString &table : env->host().DBObj().tableNames())
        EXPECT_FALSE(table.contains('\n')) << table.toStdString();
}
