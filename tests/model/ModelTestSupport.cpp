#include "ModelTestSupport.h"

#include "host/DemoClauses.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

void ModelTest::SetUp()
{
    EngineTest::SetUp();
    if (!env)
        return;
    db = env->host().DBObj().url().toString();
    env->openFilledReport();
}

ToolRun ModelTest::taxaudit(const QStringList &arguments) const
{
    return runTaxaudit(home.path(), QStringList{"--db", db} + arguments);
}

QString ModelTest::file(const QString &name) const
{
    return QDir(home.path()).filePath(name);
}
