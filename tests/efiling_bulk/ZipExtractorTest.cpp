#include "efiling/bulk/ZipExtractor.h"
#include "ZipWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using ZipExtractor::safeRelativePath;

TEST(ZipExtractor, EntryNamesMustStayInsideTheFolder)
{
    EXPECT_EQ(safeRelativePath("a.json"), "a.json");
    EXPECT_EQ(safeRelativePath("returns/2026/./a.json"), "returns/2026/a.json");
    EXPECT_EQ(safeRelativePath("returns\\a.json"), "returns/a.json");
    EXPECT_EQ(safeRelativePath("../a.json"), "");
    EXPECT_EQ(safeRelativePath("x/../../a.json"), "");
    EXPECT_EQ(safeRelativePath("x\\..\\a.json"), "");
    EXPECT_EQ(safeRelativePath("/etc/passwd"), "");
    EXPECT_EQ(safeRelativePath("C:/Windows/a.json"), "");
    EXPECT_EQ(safeRelativePath("c:a.json"), "");
}

class Unzipping : public testing::Test
{
protected:
    QTemporaryDir dir;
    QString zip(const QList<QPair<QString, QByteArray>> &entries)
    {
        const QString path = dir.filePath("in.zip");
        EXPECT_TRUE(writeZip(path, entries));
        return path;
    }
    QString target() const { return dir.filePath("tmp/in"); }
};

TEST_F(Unzipping, ExtractsFilesAndFolders)
{
    const QString path = zip({{"3CA_AABCS1234K_2026.json", "{}"}, {"more/3CB.json", "{\"a\":1}"}});
    EXPECT_EQ(ZipExtractor::extract(path, target()), "");
    QFile nested(target() + "/more/3CB.json");
    ASSERT_TRUE(nested.open(QIODevice::ReadOnly));
    EXPECT_EQ(nested.readAll(), "{\"a\":1}");
    EXPECT_TRUE(QFile::exists(target() + "/3CA_AABCS1234K_2026.json"));
}

TEST_F(Unzipping, RefusesAPathTraversalAndWritesNothing)
{
    const QString path = zip({{"good.json", "{}"}, {"../../escaped.json", "{}"}});
    const QString problem = ZipExtractor::extract(path, target());
    EXPECT_EQ(problem,
              "The zip file names a file outside its folder: [../../escaped.json]. Nothing was extracted.");
    EXPECT_FALSE(QFile::exists(dir.filePath("escaped.json")));
    EXPECT_FALSE(QFile::exists(dir.filePath("tmp/escaped.json")));
    EXPECT_FALSE(QFile::exists(target() + "/good.json"));

    EXPECT_NE(ZipExtractor::extract(zip({{"/tmp/abs.json", "{}"}}), target()), "");
    EXPECT_FALSE(QFile::exists("/tmp/abs.json"));
}

TEST_F(Unzipping, RefusesLinksAndOversizedArchives)
{
    EXPECT_EQ(ZipExtractor::extract(zip({{"link.json", "@link:/etc/passwd"}}), target()),
              "The zip file holds a link: [link.json]. Nothing was extracted.");

    const QByteArray big(300 * 1024, 'x');
    const QString problem =
        ZipExtractor::extract(zip({{"a.json", big}, {"b.json", big}}), target(), 512 * 1024);
    EXPECT_TRUE(problem.startsWith("The zip file unpacks to more than")) << problem.toStdString();
    EXPECT_FALSE(QDir(target()).exists());
}

TEST_F(Unzipping, ABrokenFileIsNotAZip)
{
    QFile f(dir.filePath("broken.zip"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("PK\x03\x04 this is not really a zip file");
    f.close();
    EXPECT_EQ(ZipExtractor::extract(f.fileName(), target()),
              "[broken.zip] is not a zip file that can be read.");
}
