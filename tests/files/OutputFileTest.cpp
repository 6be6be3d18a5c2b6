#include "SmallDisk.h"
#include "TestFiles.h"
#include "TestHost.h"

#include "base/OutputFile.h"
#include "base/ScriptedPrompt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(OutputFile, ReplacesTheTargetOnlyWhenWhole)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("report.pdf"));
    writeFile(target, "old");

    OutputFile out(target);
    ASSERT_TRUE(out.open());
    out.device().write("new");
    // Until the commit the old file is what is there.
    EXPECT_EQ(readFile(target), "old");
    ASSERT_TRUE(out.commit()) << out.errorString().toStdString();
    EXPECT_EQ(readFile(target), "new");
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("report.pdf")});
}

TEST(OutputFile, AResultThatDoesNotReadBackLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("return.json"));
    writeFile(target, "{\"good\": 1}");

    OutputFile out(target);
    ASSERT_TRUE(out.open());
    out.device().write("{\"cut");
    QString checked;
    EXPECT_FALSE(out.commit([&](const QString &path) {
        checked = QString::fromUtf8(readFile(path));
        return QStringLiteral("The JSON written does not read back whole.");
    }));
    // The check saw the new bytes, the target kept the old ones, and nothing was left over.
    EXPECT_EQ(checked, "{\"cut");
    EXPECT_EQ(out.errorString(), "The JSON written does not read back whole.");
    EXPECT_EQ(readFile(target), "{\"good\": 1}");
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("return.json")});
}

TEST(OutputFile, KeepsThePermissionsOfTheFileItReplaces)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("private.pdf"));
    writeFile(target, "old");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    const QFile::Permissions before = QFile::permissions(target);
    OutputFile out(target);
    ASSERT_TRUE(out.open());
    out.device().write("new");
    ASSERT_TRUE(out.commit());
    EXPECT_EQ(QFile::permissions(target), before);
}

TEST(OutputFile, RefusesTheOpenDatabaseUnderAnyName)
{
    TestHost env(TestEngine::SQLite, false);
    const QString db = QDir(env.dir()).filePath(QStringLiteral("talvex.db"));
    for (const QString &name : {db, db + QStringLiteral("-wal"), db + QStringLiteral("-shm"),
                                env.dir() + QStringLiteral("/./sub/../talvex.db")}) {
        QDir(env.dir()).mkpath(QStringLiteral("sub"));
        EXPECT_FALSE(OutputFile::refusal(name).isEmpty()) << name.toStdString();
    }
    const QString linked = QDir(env.dir()).filePath(QStringLiteral("linked.pdf"));
    ASSERT_TRUE(QFile::link(db, linked));
    EXPECT_FALSE(OutputFile::refusal(linked).isEmpty());
    const QString hard = QDir(env.dir()).filePath(QStringLiteral("hard.pdf"));
    ASSERT_EQ(::link(QFile::encodeName(db).constData(), QFile::encodeName(hard).constData()), 0);
    EXPECT_FALSE(OutputFile::refusal(hard).isEmpty());
    EXPECT_EQ(OutputFile::refusal(QDir(env.dir()).filePath(QStringLiteral("report.pdf"))), QString());

    // The desktop program says why and writes nothing.
    env.prompt().setDefaultYes(true);
    EXPECT_FALSE(OutputFile::confirmReplace(db));
    EXPECT_TRUE(env.prompt().lastText().contains(QStringLiteral("the program has open")));
}

TEST(OutputFile, AsksBeforeReplacingAFile)
{
    QTemporaryDir dir;
    ScriptedPrompt answers;
    setPrompts(&answers);
    const QString target = dir.filePath(QStringLiteral("a.pdf"));
    EXPECT_TRUE(OutputFile::confirmReplace(target));
    EXPECT_TRUE(answers.shown().empty());
    writeFile(target, "old");
    answers.queue(PromptAnswer::No);
    EXPECT_FALSE(OutputFile::confirmReplace(target));
    EXPECT_EQ(answers.lastText(), "File Already Exists, Do you want to overwrite?");
    answers.queue(PromptAnswer::Yes);
    EXPECT_TRUE(OutputFile::confirmReplace(target));
    setPrompts(nullptr);
}

TEST(OutputFile, AFullDiskIsNamedAndTheOldFileStays)
{
    SmallDisk disk;
    if (!disk.unavailable().isEmpty())
        GTEST_SKIP() << disk.unavailable().toStdString();
    const QString target = disk.filePath(QStringLiteral("report.pdf"));
    writeFile(target, "the good report");
    disk.fill();

    OutputFile out(target);
    if (out.open())
        out.device().write(QByteArray(512 * 1024, 'n'));
    EXPECT_FALSE(out.commit());
    EXPECT_TRUE(out.errorString().startsWith(QStringLiteral("The disk is full")))
        << out.errorString().toStdString();
    EXPECT_EQ(readFile(target), "the good report");
    EXPECT_EQ(disk.files(), QStringList{QStringLiteral("report.pdf")});
}
