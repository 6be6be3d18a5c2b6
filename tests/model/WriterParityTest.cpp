#include "ModelTestSupport.h"

#include "catalogue/DepreciationBlocks.h"
#include "editor/Form3CD.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QFile>

using nlohmann::json;

// The desktop program's Generate JSON and `taxaudit generate-json` on the same stored report.
class WriterParity : public ModelTest
{
protected:
    void TearDown() override
    {
        delete Form3CD::existing();
        ModelTest::TearDown();
    }

    // The tool's file of a client's report; the tool changes nothing stored.
    QByteArray toolFile(const QString &client, const QString &name)
    {
        const ToolRun run =
            taxaudit({"generate-json", "--client", client, "--year", "2026", "--out", file(name)});
        EXPECT_EQ(run.status, 0) << run.err.toStdString() << run.out.toStdString();
        return readFile(file(name));
    }

    // The editor's command on the host's current client, as the user runs it: every page is
    // saved with validation, then the file is written where the save dialog says.
    QByteArray desktopFile(const QString &name)
    {
        Form3CD *editor = Form3CD::instance();
        editor->show();
        // The first run meets the clauses left blank; ticked to be answered "no information",
        // they pass the second time, which reaches the save dialog.
        QList<int> every;
        for (int i = 0; i < 1000; ++i)
            every << i;
        env->prompt().queueTicks(every);
        editor->runCommand(EditorCommand::GenerateJson);
        env->prompt().clear();
        env->prompt().queueText(file(name));
        env->prompt().queueChoice(0);
        editor->runCommand(EditorCommand::GenerateJson);
        EXPECT_TRUE(QFile::exists(file(name))) << env->prompt().texts().join("\n").toStdString();
        return readFile(file(name));
    }

    void expectSame(const QByteArray &tool, const QByteArray &desktop)
    {
        ASSERT_FALSE(tool.isEmpty());
        const QStringList a = QString::fromUtf8(withoutCreationDate(tool)).split("\r\n");
        const QStringList b = QString::fromUtf8(withoutCreationDate(desktop)).split("\r\n");
        for (int i = 0; i < std::min(a.size(), b.size()); ++i) {
            if (a.at(i) != b.at(i)) {
                ADD_FAILURE() << "line " << i + 1 << ": taxaudit " << a.at(i).toStdString() << " | desktop "
                              << b.at(i).toStdString();
                return;
            }
        }
        EXPECT_EQ(a.size(), b.size());
    }
};
TALVEX_BOTH_ENGINES(WriterParity);

TEST_P(WriterParity, TheDemoReport)
{
    const QByteArray tool = toolFile("C001", "tool.json");
    expectSame(tool, desktopFile("desktop.json"));
    EXPECT_EQ(taxaudit({"validate", file("tool.json")}).status, 0);
}

TEST_P(WriterParity, AReportImportedFromAFile)
{
    ASSERT_TRUE(importDemoIntoAnotherClient());
    // Clause 43 is not due; the file carries no expected date for it, which the page asks for.
    ClauseStore::deletePoint(20, "43B");
    ClauseStore::insertRow(20, "43B", {"30/11/2026"});

    const QByteArray tool = toolFile("C004", "tool.json");
    const ToolRun valid = taxaudit({"validate", file("tool.json")});
    EXPECT_EQ(valid.status, 0) << valid.out.toStdString();
    expectSame(tool, desktopFile("desktop.json"));
}

TEST_P(WriterParity, AReportWithAnOldBlockText)
{
    // The first block of clause 18 under the text an earlier version saved for it.
    QList<ClauseStore::ClauseRow> blocks = ClauseStore::readPoint(7, "18");
    ASSERT_FALSE(blocks.isEmpty());
    const QString current = blocks.first().col(1);
    QString old;
    for (const QString &candidate :
         {"Plant & Machinery 15%", "Plant & Machinery 30%", "Plant & Machinery 40%", "Building 5%",
          "Building 10%", "Furnitures & Fittings 10%", "Intangible Assets 25%"}) {
        if (DepreciationBlocks::currentDescription(candidate) == current)
            old = candidate;
    }
    ASSERT_FALSE(old.isEmpty()) << current.toStdString();
    {
        Transaction tx(env->host().DBObj());
        ClauseStore::deletePoint(7, "18");
        for (int i = 0; i < blocks.size(); ++i) {
            QStringList cols = blocks.at(i).cols;
            if (i == 0)
                cols[0] = old;
            ClauseStore::insertRow(7, "18", cols);
        }
        tx.commit();
    }
    const QByteArray tool = toolFile("C001", "tool.json");
    EXPECT_TRUE(tool.contains(
        ("\"DescBlockAssets\": \"" + QString::number(DepreciationBlocks::byDescription(current)->id) + "\"")
            .toUtf8()));
    EXPECT_EQ(ClauseStore::readPoint(7, "18").first().col(1), old) << "the tool rewrote the stored text";
    expectSame(tool, desktopFile("desktop.json"));
}

// A file written, imported into another client and written again by the tool alone.
TEST_P(WriterParity, WriteImportAndWriteAgainGiveTheSameDocument)
{
    const QByteArray first = toolFile("C001", "first.json");
    const ToolRun imported =
        taxaudit({"import-json", "--client", "C004", "--year", "2026", "--force", file("first.json")});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString() << imported.out.toStdString();
    const QByteArray second = toolFile("C004", "second.json");
    EXPECT_EQ(taxaudit({"validate", file("second.json")}).status, 0);

    // The client's own particulars are its own; everything else is the same.
    auto mask = [](const QByteArray &text) {
        json doc = json::parse(text.toStdString());
        json &key = doc["FORM3CA"]["F3CA"];
        key["CreationInfo"].erase("JSONCreationDate");
        for (json *part : {&key["Declaration"]["Point1"], &key["PartA"]}) {
            for (const char *member : {"AssesseeName", "AddressDetail", "PAN", "AadhaarCardNo"})
                part->erase(member);
        }
        return doc;
    };
    const json a = mask(first);
    const json b = mask(second);
    EXPECT_EQ(a, b) << json::diff(a, b).dump(1);
}
