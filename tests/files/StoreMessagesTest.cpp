#include "TestHost.h"
#include "ToolRun.h"

#include "store/Database.h"
#include "store/DbError.h"

#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace
{

class StoreMessages : public EngineTest
{
protected:
    bool withDemo() const override { return false; }
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped())
            return;
        address = GetParam() == TestEngine::SQLite
                      ? QStringLiteral("sqlite:") + env->dir() + QStringLiteral("/talvex.db")
                      : env->host().DBObj().url().toString();
        ASSERT_EQ(taxaudit({"demo"}).status, 0);
    }
    ToolRun taxaudit(const QStringList &arguments)
    {
        return runTaxaudit(home.path(), QStringList{QStringLiteral("--db"), address} + arguments);
    }
    bool tableExists(const QString &table)
    {
        return Database::open(DbUrl::parse(address))->tableExists(table);
    }

    QTemporaryDir home;
    QString address;
};

// A statement of the test's own on a connection of its own, to hold the server's locks.
std::optional<DbError> run(Database &db, const QString &sql, const QVariantList &binds = {})
{
    try {
        db.Execute(sql, binds);
    } catch (const DbError &e) {
        return e;
    }
    return std::nullopt;
}

} // namespace

// A read command with --year 2099 created that year's tables.
TEST_P(StoreMessages, ReadCommandsCreateNoTables)
{
    const QStringList year{"--client", "C001", "--year", "2099"};
    for (const QStringList &command :
         {QStringList{"rows"} + year,
          QStringList{"print"} + year + QStringList{"--pdf", home.filePath("r.pdf")},
          QStringList{"generate-json"} + year + QStringList{"--out", home.filePath("r.json")},
          QStringList{"generate-xml"} + year + QStringList{"--out", home.filePath("r.xml")},
          QStringList{"accounts"} + year +
              QStringList{"--statement", "bs-vertical", "--pdf", home.filePath("a.pdf")},
          QStringList{"export-annexure"} + year +
              QStringList{"--clause", "34a", "--out", home.filePath("a.xlsx")}}) {
        const ToolRun run = taxaudit(command);
        EXPECT_EQ(run.status, 2) << command.first().toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Nothing is stored for the year 2099.\n")))
            << command.first().toStdString() << ": " << run.err.toStdString();
    }
    EXPECT_FALSE(tableExists(QStringLiteral("anx_j3cd_2099")));
    // A command that writes the year makes its tables.
    ASSERT_EQ(taxaudit({"fill-default", "--client", "C001", "--year", "2099"}).status, 0);
    EXPECT_TRUE(tableExists(QStringLiteral("anx_j3cd_2099")));
    EXPECT_EQ(taxaudit(QStringList{"rows"} + year).status, 0);
}

// Two first imports of different clients into a new year deadlocked on the server's locks
// (one run in ten with two processes, four in five with three): every import goes through.
TEST_P(StoreMessages, FirstImportsOfANewYearAtOnceAllGoThrough)
{
    const QString file = home.filePath(QStringLiteral("c001.json"));
    ASSERT_LE(taxaudit({"generate-json", "--client", "C001", "--year", "2026", "--out", file}).status, 1);
    for (const QString year : {"2031", "2032", "2033"}) {
        std::vector<std::unique_ptr<QProcess>> imports;
        for (const QString client : {"C001", "C002", "C003"})
            imports.push_back(
                startTaxaudit(home.path(), {"--db", address, "import-json", "--client", client, "--year",
                                            year, file, "--force", "--form-switch", "--yes"}));
        for (auto &p : imports) {
            ASSERT_TRUE(p->waitForFinished(120000));
            EXPECT_EQ(p->exitCode(), 0)
                << year.toStdString() << ": " << p->readAllStandardError().toStdString();
        }
    }
}

TALVEX_BOTH_ENGINES(StoreMessages);

// A deadlock was reported as "Another workstation is saving this client's report".
TEST(ServerMessages, ADeadlockIsNamedAsSuch)
{
    if (const QString why = TestHost::unavailable(TestEngine::MariaDB); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    TestHost env(TestEngine::MariaDB, false);
    const DbUrl url = env.host().DBObj().url();
    env.host().DBObj().Execute(QStringLiteral("CREATE TABLE gaps (k INT, v TEXT, INDEX (k)) ENGINE=InnoDB"));

    // Each side deletes a key of the empty table (a gap lock on all of it), then inserts it.
    std::optional<DbError> other;
    QSemaphore deleted;
    QSemaphore mayInsert;
    std::thread side([&] {
        auto db = Database::open(url);
        db->BeginTrans();
        other = run(*db, QStringLiteral("DELETE FROM gaps WHERE k=?"), {1});
        deleted.release();
        mayInsert.acquire();
        if (!other)
            other = run(*db, QStringLiteral("INSERT INTO gaps VALUES (?, ?)"), {1, "a"});
        if (other)
            db->RollbackTrans();
        else
            db->CommitTrans();
    });
    auto db = Database::open(url);
    db->BeginTrans();
    std::optional<DbError> mine = run(*db, QStringLiteral("DELETE FROM gaps WHERE k=?"), {2});
    deleted.acquire();
    mayInsert.release();
    QThread::msleep(300);
    if (!mine)
        mine = run(*db, QStringLiteral("INSERT INTO gaps VALUES (?, ?)"), {2, "b"});
    if (mine)
        db->RollbackTrans();
    else
        db->CommitTrans();
    side.join();

    ASSERT_TRUE(mine.has_value() != other.has_value());
    const DbError &stopped = mine ? *mine : *other;
    EXPECT_EQ(stopped.kind(), DbError::Kind::Deadlock);
    EXPECT_TRUE(stopped.message().contains(QStringLiteral("deadlock"))) << stopped.message().toStdString();
    EXPECT_FALSE(stopped.message().contains(QStringLiteral("Another workstation is saving")));
}

// A report over the server's 16 MiB packet was refused with "connection … lost … try again".
TEST(ServerMessages, ARowOverTheServersPacketIsTooLarge)
{
    if (const QString why = TestHost::unavailable(TestEngine::MariaDB); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    TestHost env(TestEngine::MariaDB, false);
    Database &db = env.host().DBObj();
    db.Execute(QStringLiteral("CREATE TABLE big (v LONGTEXT)"));
    const qint64 packet = db.Execute(QStringLiteral("SELECT @@max_allowed_packet")).Fields(0).toLongLong();
    const std::optional<DbError> refused =
        run(db, QStringLiteral("INSERT INTO big VALUES (?)"), {QString(packet + 1024, u'x')});
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->kind(), DbError::Kind::TooLarge);
    EXPECT_TRUE(refused->message().contains(QStringLiteral("too large"))) << refused->message().toStdString();
    // The next command connects afresh.
    EXPECT_EQ(db.Execute(QStringLiteral("SELECT 1")).Fields(0).toInt(), 1);
}
