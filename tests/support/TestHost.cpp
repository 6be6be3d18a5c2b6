#include "TestHost.h"

#include "host/DemoClauses.h"
#include "host/DemoData.h"
#include "host/HostContext.h"
#include "store/Database.h"
#include "store/DbError.h"

#include "SourceDataDir.h"
#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>

namespace
{
QAtomicInt databaseCounter;
} // namespace

std::string engineName(const testing::TestParamInfo<TestEngine> &info)
{
    return info.param == TestEngine::SQLite ? "SQLite" : "MariaDB";
}

QString mysqlServerUrl()
{
    return qEnvironmentVariable("TALVEX_TEST_MYSQL_URL");
}

QString TestHost::unavailable(TestEngine engine)
{
    if (engine == TestEngine::MariaDB && mysqlServerUrl().isEmpty())
        return QStringLiteral("MariaDB tests skipped: no server (TALVEX_TEST_MYSQL_URL is not set; "
                              "run scripts/test.sh to start one)");
    return {};
}

TestHost::TestHost(TestEngine engine, bool withDemo)
{
    QString address;
    if (engine == TestEngine::SQLite) {
        address = QStringLiteral("sqlite:") + QDir(m_dir.path()).filePath(QStringLiteral("talvex.db"));
    } else {
        // A database of this test's own on the shared server.
        DbUrl server = DbUrl::parse(mysqlServerUrl());
        auto admin = Database::open(server);
        m_mysqlDatabase = QStringLiteral("t_%1_%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(databaseCounter.fetchAndAddRelaxed(1));
        admin->Execute(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_mysqlDatabase));
        admin->Execute(QStringLiteral("CREATE DATABASE %1 CHARACTER SET utf8mb4 COLLATE utf8mb4_bin")
                           .arg(m_mysqlDatabase));
        server.database = m_mysqlDatabase;
        address = server.toString();
    }
    TalvexBase::Paths paths;
    paths.exePath = QStringLiteral(TALVEX_SOURCE_DATA_DIR);
    paths.docPath = QDir(m_dir.path()).filePath(QStringLiteral("Documents"));
    paths.tmpPath = QDir(m_dir.path()).filePath(QStringLiteral("tmp"));
    paths.iniFile = QDir(m_dir.path()).filePath(QStringLiteral("Talvex.ini"));
    m_host = std::make_unique<TalvexBase>(Database::open(DbUrl::parse(address)), paths);
    m_host->prepareDatabase();
    setHost(m_host.get());
    setPrompts(&m_prompt);
    // A test that is about the question before a report is replaced answers it itself.
    m_prompt.setReplaceAnswer(true);
    if (withDemo) {
        DemoData::create(*m_host);
    }
    m_host->selectYear(DemoData::demoYearKey());
    if (withDemo)
        m_host->selectClient(QStringLiteral("C001"));
    moduleState() = ModuleState();
}

TestHost::~TestHost()
{
    setPrompts(nullptr);
    setHost(nullptr);
    m_host.reset();
    moduleState() = ModuleState();
    if (!m_mysqlDatabase.isEmpty()) {
        try {
            auto admin = Database::open(DbUrl::parse(mysqlServerUrl()));
            admin->Execute(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_mysqlDatabase));
        } catch (const DbError &) {
        }
    }
}

void TestHost::openForm(FormKind kind, const QString &client, const QString &yearKey)
{
    m_host->selectYear(yearKey);
    m_host->selectClient(client);
    moduleState().openForm(kind, yearKey);
}

void TestHost::openFilledReport()
{
    openForm(FormKind::F3CA);
    Transaction transaction(m_host->DBObj());
    DemoData::insertFilledClauses(m_host->yearKey());
    transaction.commit();
}

void EngineTest::SetUp()
{
    const QString why = TestHost::unavailable(GetParam());
    if (!why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    env = std::make_unique<TestHost>(GetParam(), withDemo());
}

void EngineTest::TearDown()
{
    env.reset();
}
