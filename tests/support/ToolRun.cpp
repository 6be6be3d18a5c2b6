#include "ToolRun.h"

#include "SourceDataDir.h"
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

namespace
{

std::unique_ptr<QProcess> startProgram(const QString &program, const QString &home,
                                       const QStringList &arguments)
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
    p->start(program, arguments);
    return p;
}

} // namespace

std::unique_ptr<QProcess> startTaxaudit(const QString &home, const QStringList &arguments)
{
    return startProgram(QStringLiteral(TAXAUDIT_PATH), home, arguments);
}

ToolRun runProgram(const QString &program, const QString &home, const QStringList &arguments)
{
    const std::unique_ptr<QProcess> p = startProgram(program, home, arguments);
    p->waitForFinished(120000);
    return {p->exitCode(), QString::fromUtf8(p->readAllStandardOutput()),
            QString::fromUtf8(p->readAllStandardError())};
}

ToolRun runTaxaudit(const QString &home, const QStringList &arguments)
{
    return runProgram(QStringLiteral(TAXAUDIT_PATH), home, arguments);
}
