#include "EfilingTestSupport.h"

#include "dialogs/clsExportJSON.h"
#include "efiling/EfilingExport.h"
#include "host/DemoClauses.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/ReportKey.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

void EfilingTest::SetUp()
{
    EngineTest::SetUp();
    if (!env)
        return;
    // The demo report as the program creates it: every clause filled.
    env->openFilledReport();
}

void EfilingTest::setGrid(int page, const QString &point, const QList<QStringList> &rows)
{
    Transaction tx(env->host().DBObj());
    ClauseStore::deletePoint(page, point);
    DemoData::insertGrid(page, point, rows);
    tx.commit();
}

void EfilingTest::setValue(int page, const QString &point, const QString &value)
{
    ClauseStore::deletePoint(page, point);
    ClauseStore::insertRow(page, point, {value});
}

void EfilingTest::removePoint(int page, const QString &point)
{
    ClauseStore::deletePoint(page, point);
}

QByteArray EfilingTest::compose() const
{
    const QDate today(2026, 10, 1);
    const QByteArray fromModel = clsExportJSON::compose(today);
    // Every document a test looks at is also written as generate-json writes it, its long
    // grids read from the store as text: the two must not differ by a byte.
    QFile out(tempFile(QStringLiteral("from_store.json")));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    EXPECT_TRUE(EfilingExport::writeDocument(ReportKey::current(), out, today));
    out.close();
    EXPECT_EQ(readFile(out.fileName()).toStdString(), fromModel.toStdString());
    return fromModel;
}

nlohmann::json EfilingTest::document() const
{
    return nlohmann::json::parse(compose().toStdString());
}

nlohmann::json EfilingTest::formKey() const
{
    const nlohmann::json doc = document();
    return moduleState().formKind == FormKind::F3CB ? doc["FORM3CB"]["F3CB"] : doc["FORM3CA"]["F3CA"];
}

QString EfilingTest::tempFile(const QString &name) const
{
    return QDir(env->dir()).filePath(name);
}
