#include "ImportTestSupport.h"
#include "ZipWriter.h"

#include "dialogs/frmBulkXMLImport.h"
#include "editor/clsMain.h"
#include "commands/BulkImport.h"
#include "commands/clsImportJSON.h"
#include "host/HostContext.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>

class BulkImportRun : public ImportTest
{
protected:
    BulkImport::Unpacked unpacked;
    // A zip of the demo report's file and the same file under the PAN of the client C004.
    QString zipOfTwoReturns()
    {
        const QByteArray c001 = documentOf("C001");
        const QByteArray c004 = forClientC004(c001);
        const QString zip = QDir(env->dir()).filePath("returns.zip");
        EXPECT_TRUE(writeZip(zip, {{"3CA_AABCS1234K_2026.json", c001}, {"3CA_AAECS9876Q_2026.json", c004}}));
        return zip;
    }
    // The same file under the PAN of the client C004.
    static QByteArray forClientC004(const QByteArray &document)
    {
        QByteArray c004 = document;
        c004.replace("\"PAN\": \"AABCS1234K\",\r\n            \"Me_Us_Ms\"", "\"PAN\": \"AAECS9876Q\",\r\n"
                                                                             "            \"Me_Us_Ms\"");
        EXPECT_NE(c004, document) << "the declaration's PAN was not found";
        return c004;
    }
    QStringList withoutRemarks(QStringList rows) { return rows.filter(QRegularExpression("^(?!301\\|)")); }
};

TALVEX_BOTH_ENGINES(BulkImportRun);

TEST_P(BulkImportRun, AZipOfTwoReturnsForTwoKnownClientsImportsBoth)
{
    const QString zip = zipOfTwoReturns();
    ASSERT_TRUE(rowsOf("C004").isEmpty());
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(zip, true, files, unpacked));
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].client, "C001");
    EXPECT_EQ(files[1].client, "C004");
    for (BulkImport::File &f : files)
        f.selected = true;

    env->prompt().queue(PromptAnswer::Yes);
    ASSERT_TRUE(BulkImport::importSelected(files, &clsImportJSON::importFile));
    EXPECT_EQ(files[0].status, "Success");
    EXPECT_EQ(files[1].status, "Success");
    // Both reports now hold the file's rows; the first client keeps its remark.
    EXPECT_FALSE(rowsOf("C004").isEmpty());
    EXPECT_EQ(rowsOf("C004"), withoutRemarks(rowsOf("C001")));
    EXPECT_EQ(rowsOf("C001").filter(QRegularExpression("^301\\|")).size(), 1);
}

TEST_P(BulkImportRun, TheEntryClassOpensTheScreenWithTheRealImport)
{
    const QString zip = zipOfTwoReturns();
    clsMain().ShowBulkXMLImport();
    frmBulkXMLImport *screen = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *s = qobject_cast<frmBulkXMLImport *>(w))
            screen = s;
    }
    ASSERT_NE(screen, nullptr);
    screen->zipOption()->setChecked(true);
    screen->pathField()->setText(zip);
    ASSERT_TRUE(screen->showList());
    for (int r = 0; r < 2; ++r)
        screen->grid()->item(r, frmBulkXMLImport::ColSelect)->setCheckState(Qt::Checked);
    env->prompt().queue(PromptAnswer::Yes); // import
    env->prompt().queue(PromptAnswer::No);  // not another file
    screen->proceed();
    EXPECT_EQ(screen->grid()->item(0, frmBulkXMLImport::ColStatus)->text(), "Success");
    EXPECT_EQ(screen->grid()->item(1, frmBulkXMLImport::ColStatus)->text(), "Success");
    EXPECT_FALSE(rowsOf("C004").isEmpty());
    screen->close();
    delete screen;
}

TEST_P(BulkImportRun, ABrokenFileIsMarkedAndTheOthersGoOn)
{
    QDir().mkpath(env->dir() + "/returns");
    QByteArray broken = documentOf("C001");
    broken.chop(300);
    writeFile("returns/a_broken.json", broken);
    writeFile("returns/b_good.json", documentOf("C001"));
    const QStringList before = rowsOf("C001");
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(env->dir() + "/returns", false, files, unpacked));
    ASSERT_EQ(files.size(), 2);
    // The broken file names no client: one is chosen for it, and the import refuses it.
    BulkImport::assignClient(files[0], "C004");
    for (BulkImport::File &f : files)
        f.selected = true;
    env->prompt().queue(PromptAnswer::Yes);
    ASSERT_TRUE(BulkImport::importSelected(files, &clsImportJSON::importFile));
    EXPECT_EQ(files[0].status, "Invalid File.");
    EXPECT_EQ(files[1].status, "Success");
    EXPECT_TRUE(rowsOf("C004").isEmpty());
    // The good file replaced the report, its page of wording included.
    EXPECT_EQ(before.filter(QRegularExpression("^1\\|3CA\\|3CA1\\|")).size(), 1);
    EXPECT_EQ(rowsOf("C001").filter(QRegularExpression("^1\\|3CA\\|3CA1\\|")).size(), 1);
}

TEST_P(BulkImportRun, AFileOfTheOtherFormIsRefusedAndTheOthersGoOn)
{
    QDir().mkpath(env->dir() + "/returns");
    writeFile("returns/a_3CB_C001.json", documentOf("C001", FormKind::F3CB));
    writeFile("returns/b_3CA_C004.json", forClientC004(documentOf("C001")));
    const QStringList before = rowsOf("C001");
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(env->dir() + "/returns", false, files, unpacked));
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].form, "FORM3CB - 3CD");
    EXPECT_EQ(files[0].client, "C001");
    for (BulkImport::File &f : files)
        f.selected = true;
    env->prompt().queue(PromptAnswer::Yes);
    ASSERT_TRUE(BulkImport::importSelected(files, &clsImportJSON::importFile));
    // The first client's report is Form 3CA: the other form's file leaves it as it was.
    EXPECT_EQ(files[0].status, "Selected JSON File is not a Form 3CA-3CD JSON File");
    EXPECT_EQ(rowsOf("C001"), before);
    EXPECT_EQ(files[1].status, "Success");
    EXPECT_FALSE(rowsOf("C004").isEmpty());
}

TEST_P(BulkImportRun, AFileIsReadOnceWhenListedAndImportedAsItWasRead)
{
    QDir().mkpath(env->dir() + "/returns");
    writeFile("returns/3CA_C004.json", forClientC004(documentOf("C001")));
    QList<BulkImport::File> files;
    ASSERT_TRUE(BulkImport::scan(env->dir() + "/returns", false, files, unpacked));
    ASSERT_EQ(files.size(), 1);
    files[0].selected = true;
    // Changed after the list was made, the file still gives the rows the list read.
    writeFile("returns/3CA_C004.json", "{\"FORM3CA\": ");
    env->prompt().queue(PromptAnswer::Yes);
    ASSERT_TRUE(BulkImport::importSelected(files, &clsImportJSON::importFile));
    EXPECT_EQ(files[0].status, "Success");
    EXPECT_FALSE(rowsOf("C004").isEmpty());
}
