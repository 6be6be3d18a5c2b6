#include "TestHost.h"

#include "efiling/EfilingExport.h"
#include "commands/clsImportJSON.h"
#include "host/DemoClauses.h"
#include "model/ReportModel.h"
#include "model/rules/ReportRules.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QFile>

namespace
{

// True when a shared library whose name holds `name` is mapped into this process.
bool libraryLoaded(const QByteArray &name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains(name);
}

} // namespace

class EngineAlone : public EngineTest
{
};

// This program links the commands and the layers below them, no screens: the
// import of a filed return runs here without Qt Widgets in the process.
TEST_P(EngineAlone, ImportsAFiledReturnWithoutWidgets)
{
    env->openForm(FormKind::F3CA, QStringLiteral("C004"));
    ASSERT_TRUE(clsImportJSON::importFile(QStringLiteral(TALVEX_EFILING_TEST_DATA "/FORM3CA_C001_2026.json"),
                                          QStringLiteral("C004"), QStringLiteral("2026")));
    EXPECT_FALSE(ClauseStore::readPoint(7, QStringLiteral("18")).isEmpty());
    EXPECT_FALSE(libraryLoaded("libQt6Widgets"));
    EXPECT_FALSE(libraryLoaded("libQt6PrintSupport"));
}

// The filled demo report, read into the model and written with the rules applied, gives a file
// that passes the form's schema: no page was needed, and none is in the process.
TEST_P(EngineAlone, WritesAReportFromItsModelWithoutWidgets)
{
    env->openFilledReport();
    auto model = ReportModel::load();
    ReportRules::applyAll(*model);
    const QString path = env->dir() + QStringLiteral("/FORM3CA_demo.json");
    const EfilingExport::Result result = EfilingExport::writeReport(*model, path);
    EXPECT_EQ(result.outcome, EfilingExport::Outcome::Valid) << result.failure.toStdString();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(libraryLoaded("libQt6Widgets"));
}

TALVEX_BOTH_ENGINES(EngineAlone);
