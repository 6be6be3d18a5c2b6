#include "ImportTestSupport.h"

#include "dialogs/clsExportJSON.h"
#include "host/DemoClauses.h"
#include "host/HostContext.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>

void ImportTest::SetUp()
{
    EngineTest::SetUp();
    if (!env)
        return;
    // The first client's demo report as the program creates it: every clause filled.
    open(QStringLiteral("C001"));
    fillDemoReport(*env);
}

void fillDemoReport(TestHost &env)
{
    env.openFilledReport();
}

void ImportTest::open(const QString &client, FormKind form)
{
    env->openForm(form, client);
}

QByteArray ImportTest::documentOf(const QString &client, FormKind form)
{
    open(client, form);
    return clsExportJSON::compose(QDate(2026, 10, 1));
}

QString ImportTest::writeFile(const QString &name, const QByteArray &text) const
{
    const QString path = QDir(env->dir()).filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
    return path;
}

QStringList ImportTest::rowsOf(const QString &client)
{
    const QString before = host().Temp_Code();
    env->host().selectClient(client);
    QStringList lines;
    for (const ClauseStore::ClauseRow &row : ClauseStore::readAll())
        lines << QStringList{QString::number(row.page), row.formName, row.point, row.cols.join(u'|')}.join(
            u'|');
    env->host().selectClient(before);
    return lines;
}

QByteArray readWhole(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
