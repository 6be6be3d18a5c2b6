#include "ModelTestSupport.h"

#include "dialogs/clsExportJSON.h"
#include "commands/clsImportJSON.h"
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

bool ModelTest::importDemoIntoAnotherClient()
{
    QFile demo(file("demo.json"));
    if (!demo.open(QIODevice::WriteOnly))
        return false;
    demo.write(clsExportJSON::compose(QDate(2026, 10, 1)));
    demo.close();
    env->openForm(FormKind::F3CA, "C004");
    env->prompt().queue(PromptAnswer::Yes); // import anyway
    return clsImportJSON().ImportJSON(file("demo.json"));
}

QString ModelTest::file(const QString &name) const
{
    return QDir(home.path()).filePath(name);
}
