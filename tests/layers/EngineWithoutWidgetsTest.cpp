#include "TestHost.h"

#include "efiling/import/clsImportJSON.h"
#include "store/ClauseStore.h"

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

// This program links the e-filing engine and the layers below it, nothing above: the
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

TALVEX_BOTH_ENGINES(EngineAlone);
