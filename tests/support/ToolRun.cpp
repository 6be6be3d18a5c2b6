#include "ToolRun.h"

#include "SourceDataDir.h"
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

std::unique_ptr<QProcess> startTaxaudit(const QString &home, const QStringList &arguments)
{
    QDir(home).mkpath(QStringLiteral("tmp"));
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TALVEX_DOC_PATH"), home + QStringLiteral("/docs"));
    env.insert(QStringLiteral("TALVEX_INI"), home + QStringLiteral("/Talvex.ini"));
    env.insert(QStringLiteral("TALVEX_EXE_PATH"), QStringLiteral(TALVEX_SOURCE_DATA_DIR));
    env.insert(QStringLiteral("TMPDIR"), home + QStringLiteral("/tmp"));
    p->setProcessEnvironment(env);
    p->setWorkingDirectory(home);
    p->start(QStringLiteral(TAXAUDIT_PATH), arguments);
    return p;
}

ToolRun runTaxaudit(const QString &home, const QStringList &arguments)
{
    const std::unique_ptr<QProcess> p = startTaxaudit(home, arguments);
    p->waitForFinished(120000);
    return {p->exitCode(), QString::fromUtf8(p->readAllStandardOutput()),
            QString::fromUtf8(p->readAllStandardError())};
}
