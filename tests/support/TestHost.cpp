#include "TestHost.h"
#include "AddressCodes.h"

#include "catalogue/ClauseCatalogue.h"
#include "host/DemoClauses.h"
#include "host/DemoData.h"
#include "host/HostContext.h"
#include "host/HostSchema.h"
#include "store/Database.h"
#include "store/DbError.h"

#include "SourceDataDir.h"
#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>

namespace
{
QAtomicInt databaseCounter;

void enterCodes(Database &db, const QString &table, int page, const QString &point,
                const QHash<QString, int> &a)
{
    const int country = a.value(QStringLiteral("country"));
    for (const auto &[part, code] : {std::pair{"cityCode", "9001"}, std::pair{"postOfficeCode", "9002"},
                                     std::pair{"localityCode", "9003"}}) {
        const QString col = QStringLiteral("Col%1").arg(a.value(QLatin1String(part)));
        db.Execute(QStringLiteral("UPDATE %1 SET %2=? WHERE PageNo=? AND PointNo=? AND upper(Col%3)='INDIA' "
                                  "AND (%2 IS NULL OR %2='')")
                       .arg(table, col)
                       .arg(country),
                   {QString::fromLatin1(code), QString::number(page), point});
    }
}

void enterCodes(Database &db, const QString &table, int page, const QString &point,
                const QList<Catalogue::JsonMember> &members)
{
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    for (const Catalogue::JsonMember &m : members) {
        if (m.as == QLatin1String("object")) {
            enterCodes(db, table, page, point, m.members);
        } else if (m.as == QLatin1String("address")) {
            for (const QString form : {QStringLiteral("3CA"), QStringLiteral("3CB")}) {
                const Catalogue::PointRef ref =
                    catalogue.resolve(m.point.isEmpty() ? point : m.point, m.page ? m.page : page, form);
                enterCodes(db, table, ref.page, ref.point, m.address);
            }
        }
    }
}

} // namespace

void enterAddressCodes(Database &db)
{
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    const QString table = HostSchema::clauseTableName(DemoData::demoYearKey());
    if (!db.tableNames().contains(table))
        return;
    QList<const Catalogue::JsonBlock *> blocks;
    for (const Catalogue::JsonBlock &block : catalogue.jsonBlocks())
        blocks << &block;
    for (const QString form : {QStringLiteral("3CA"), QStringLiteral("3CB")})
        blocks << catalogue.declaration(form);
    for (const Catalogue::JsonBlock *block : blocks) {
        for (const Catalogue::JsonPart &part : block->parts)
            enterCodes(db, table, part.page, part.point, part.members);
    }
}

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
        enterAddressCodes(m_host->DBObj());
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

void enterAddressCodes(const QString &address)
{
    enterAddressCodes(*Database::open(DbUrl::parse(address)));
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
    enterAddressCodes(m_host->DBObj());
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
