#include "TdsTestDatabase.h"

#include "store/Database.h"
#include "tds/TdsDemo.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>

namespace
{
QAtomicInt counter;
}

TdsTestDatabase::TdsTestDatabase(TestEngine engine, const QString &folder, const QString &yearKey)
{
    if (engine == TestEngine::SQLite) {
        m_url = DbUrl::parse(QStringLiteral("sqlite:") + QDir(folder).filePath(QStringLiteral("tds.db")));
    } else {
        m_url = DbUrl::parse(mysqlServerUrl());
        m_mysqlDatabase = QStringLiteral("tds_%1_%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(counter.fetchAndAddRelaxed(1));
        auto admin = Database::open(m_url);
        admin->Execute(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_mysqlDatabase));
        admin->Execute(QStringLiteral("CREATE DATABASE %1").arg(m_mysqlDatabase));
        m_url.database = m_mysqlDatabase;
    }
    TdsDemo::create(*Database::open(m_url), yearKey);
}

TdsTestDatabase::~TdsTestDatabase()
{
    if (m_mysqlDatabase.isEmpty())
        return;
    DbUrl server = m_url;
    server.database = DbUrl::parse(mysqlServerUrl()).database;
    Database::open(server)->Execute(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_mysqlDatabase));
}

void TdsDatabaseTest::SetUp()
{
    ModelTest::SetUp();
    if (!IsSkipped())
        tds = std::make_unique<TdsTestDatabase>(GetParam(), home.path());
}

void TdsDatabaseTest::TearDown()
{
    tds.reset();
    ModelTest::TearDown();
}
