#pragma once

#include "SourceDataDir.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// One run of a whole program, as a user starts it: its own CPU time and peak memory, read
// from the kernel's account of that one program (wait4, by peak_memory, which runs it), so
// that neither the benchmark's work nor its memory counts.
struct ChildRun {
    double cpuMs = 0;
    double elapsedMs = 0;
    double peakMb = 0;
    bool ok = false;
};

// The environment every run shares: the documents folder and settings of HOME, the source
// tree's data, no screen.
inline QStringList benchEnvironment(const QString &home)
{
    return {QStringLiteral("TALVEX_DOC_PATH=") + home + QStringLiteral("/docs"),
            QStringLiteral("TALVEX_INI=") + home + QStringLiteral("/Talvex.ini"),
            QStringLiteral("TALVEX_EXE_PATH=" TALVEX_SOURCE_DATA_DIR),
            QStringLiteral("QT_QPA_PLATFORM=offscreen"),
            QStringLiteral("PATH=") + qEnvironmentVariable("PATH"),
            QStringLiteral("HOME=") + home,
            QStringLiteral("LANG=C.UTF-8")};
}

// Runs PROGRAM with ARGUMENTS in HOME and waits for it; what it prints goes to HOME/run.log,
// shown when it fails.
inline ChildRun runChild(const QString &program, const QStringList &arguments, const QString &home)
{
    const QByteArray account = QFile::encodeName(home + QStringLiteral("/run.account"));
    std::vector<QByteArray> texts{QByteArrayLiteral(PEAK_MEMORY_PATH), account, QFile::encodeName(program)};
    for (const QString &argument : arguments)
        texts.push_back(argument.toUtf8());
    std::vector<QByteArray> environment;
    for (const QString &entry : benchEnvironment(home))
        environment.push_back(entry.toUtf8());
    std::vector<char *> argv, envp;
    for (QByteArray &text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    for (QByteArray &entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    const QByteArray log = QFile::encodeName(home + QStringLiteral("/run.log"));
    const QByteArray dir = QFile::encodeName(home);

    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
        }
        if (chdir(dir.constData()) == 0)
            execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    ChildRun run;
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid)
        return run;
    run.elapsedMs = double(clock.nsecsElapsed()) / 1e6;
    QFile accounted(QString::fromLocal8Bit(account));
    long long userUs = 0, systemUs = 0, peakKb = 0;
    const bool counted =
        accounted.open(QIODevice::ReadOnly) &&
        std::sscanf(accounted.readAll().constData(), "%lld %lld %lld", &userUs, &systemUs, &peakKb) == 3;
    run.cpuMs = double(userUs + systemUs) / 1000;
    run.peakMb = double(peakKb) / 1024;
    run.ok = counted && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!run.ok) {
        QFile printed(QString::fromLocal8Bit(log));
        printed.open(QIODevice::ReadOnly);
        std::printf("%s %s failed:\n%s\n", qPrintable(program), qPrintable(arguments.join(u' ')),
                    printed.read(4000).constData());
    }
    return run;
}

// The row counts a benchmark program was given on its command line; none when it was given none.
inline QList<int> sizesFromArguments(int argc, char **argv)
{
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QByteArray(argv[i]).toInt();
    return sizes;
}
