#include "TestHost.h"
#include "ToolRun.h"

#include "store/Database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace
{

ToolRun taxaudit(const QString &home, const QStringList &args)
{
    return runTaxaudit(home, args);
}

// A database address of the engine: a file, or a fresh database on the test server.
QString freshAddress(TestEngine engine, const QString &dir, std::unique_ptr<TestHost> &keep)
{
    if (engine == TestEngine::SQLite)
        return "sqlite:" + dir + "/cli.db";
    keep = std::make_unique<TestHost>(engine, false);
    return keep->host().DBObj().url().toString();
}

} // namespace

class Taxaudit : public testing::TestWithParam<TestEngine>
{
protected:
    void SetUp() override
    {
        const QString why = TestHost::unavailable(GetParam());
        if (!why.isEmpty())
            GTEST_SKIP() << why.toStdString();
    }
    QTemporaryDir home;
};

TEST_P(Taxaudit, DemoThenRowsPrintsTheDemoReport)
{
    std::unique_ptr<TestHost> server;
    const QString db = freshAddress(GetParam(), home.path(), server);
    const ToolRun demo = taxaudit(home.path(), {"--db", db, "demo"});
    ASSERT_EQ(demo.status, 0) << demo.err.toStdString();
    EXPECT_TRUE(demo.out.startsWith("Demo clients created: 4")) << demo.out.toStdString();

    const ToolRun clients = taxaudit(home.path(), {"--db", db, "clients"});
    EXPECT_EQ(clients.out.count('\n'), 4);
    EXPECT_TRUE(clients.out.contains("C004\tSanjay O'Brien Trading Co.\tAAECS9876Q"));

    const ToolRun rows = taxaudit(home.path(), {"--db", db, "rows", "--client", "C001", "--year", "2026"});
    ASSERT_EQ(rows.status, 0) << rows.err.toStdString();
    const QStringList lines = rows.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.first().startsWith("1\t3CA\t3CA1\tWe\tus\t")) << lines.first().toStdString();
    EXPECT_TRUE(lines.contains("2\t3CD\t8a\t115BAA"));
    EXPECT_TRUE(lines.contains("21\t3CD\tUDIN\t26204060ABCDE12345"));
    // Ordered by page: page numbers never go down.
    int last = 0;
    for (const QString &l : lines) {
        EXPECT_GE(l.section('\t', 0, 0).toInt(), last);
        last = l.section('\t', 0, 0).toInt();
    }

    // Running demo again adds nothing.
    EXPECT_TRUE(taxaudit(home.path(), {"--db", db, "demo"}).out.startsWith("Demo clients created: 0"));
}

TEST_P(Taxaudit, LoadsALookUpListAndRefusesBadInput)
{
    std::unique_ptr<TestHost> server;
    const QString db = freshAddress(GetParam(), home.path(), server);
    QFile csv(home.path() + "/currency.csv");
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("ccy_cd,ccy_name,ccy_num\nINR,Indian Rupee,356\nUSD,US Dollar,840\n");
    csv.close();

    const ToolRun ok = taxaudit(home.path(), {"--db", db, "load-lookup", "PO_Currency", csv.fileName()});
    EXPECT_EQ(ok.status, 0) << ok.err.toStdString();
    EXPECT_EQ(ok.out, "Loaded 2 rows into PO_Currency\n");

    const ToolRun unknown = taxaudit(home.path(), {"--db", db, "load-lookup", "master", csv.fileName()});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains("[master] is not a look-up table"));

    EXPECT_EQ(taxaudit(home.path(), {"--db", db, "rows", "--client", "NOPE", "--year", "2026"}).status, 2);
    EXPECT_EQ(taxaudit(home.path(), {"--db", db, "rows", "--client", "C001", "--year", "26"}).status, 2);
    EXPECT_EQ(taxaudit(home.path(), {"--db", "postgres://x/y", "clients"}).status, 2);
    EXPECT_EQ(taxaudit(home.path(), {"frobnicate"}).status, 2);
}

TALVEX_BOTH_ENGINES(Taxaudit);
