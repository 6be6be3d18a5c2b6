#pragma once

#include "base/ScriptedPrompt.h"
#include "host/TalvexBase.h"
#include "store/ModuleState.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Readable failure messages for Qt's strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << "{";
    for (qsizetype i = 0; i < list.size(); ++i)
        *out << (i ? ", \"" : "\"") << list.at(i).toStdString() << '"';
    *out << "}";
}
QT_END_NAMESPACE

// The database engines every store test runs on. MariaDB comes from the address in
// TALVEX_TEST_MYSQL_URL (the test script starts a private server and sets it).
enum class TestEngine { SQLite, MariaDB };
std::string engineName(const testing::TestParamInfo<TestEngine> &info);
QString mysqlServerUrl();

// A fresh host on a fresh database: its own folders, settings file, scripted prompts,
// and the client and year selected. Each MariaDB test gets a database of its own.
class TestHost
{
public:
    explicit TestHost(TestEngine engine, bool withDemo = true);
    ~TestHost();

    TalvexBase &host() { return *m_host; }
    ScriptedPrompt &prompt() { return m_prompt; }
    QString dir() const { return m_dir.path(); }
    // Opens a form of the demo client for the demo year (as OpenForm would set it).
    void openForm(FormKind kind, const QString &client = QStringLiteral("C001"),
                  const QString &yearKey = QStringLiteral("2026"));
    // Opens the demo client's Form 3CA and fills every clause, as the demo data does.
    void openFilledReport();

    // Empty when the engine is available; otherwise why the test is skipped.
    static QString unavailable(TestEngine engine);

private:
    QTemporaryDir m_dir;
    QString m_mysqlDatabase;
    std::unique_ptr<TalvexBase> m_host;
    ScriptedPrompt m_prompt;
};

// Base of the tests parameterised over both engines.
class EngineTest : public testing::TestWithParam<TestEngine>
{
protected:
    void SetUp() override;
    void TearDown() override;
    std::unique_ptr<TestHost> env;
    virtual bool withDemo() const { return true; }
};

#define TALVEX_BOTH_ENGINES(Suite)                                                                           \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite, testing::Values(TestEngine::SQLite, TestEngine::MariaDB),       \
                             engineName)
