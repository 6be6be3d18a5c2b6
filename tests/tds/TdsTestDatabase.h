#pragma once

#include "ModelTestSupport.h"
#include "TestHost.h"

#include "store/DbUrl.h"

// A TDS product database beside the test's own, on the same engine, filled with the demo
// clients for the year: a file for SQLite, a database of its own on the MariaDB server.
class TdsTestDatabase
{
public:
    TdsTestDatabase(TestEngine engine, const QString &folder,
                    const QString &yearKey = QStringLiteral("2026"));
    ~TdsTestDatabase();
    const DbUrl &url() const { return m_url; }

private:
    DbUrl m_url;
    QString m_mysqlDatabase;
};

// The model tests' report with the demo TDS database beside it.
class TdsDatabaseTest : public ModelTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    std::unique_ptr<TdsTestDatabase> tds;
};
