// The memory an import of a large e-filing file takes, against the file's size: the demo
// report's return with its capital assets clause grown to about 40 MB. The counter
// PeakPerFileByte is the growth of the process's peak resident memory during the import
// divided by the file's size; the goal is at most 3.

#include "BenchMain.h"
#include "TestHost.h"
#include "dialogs/clsExportJSON.h"
#include "commands/clsImportJSON.h"
#include "host/DemoClauses.h"
#include "store/Database.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace
{

constexpr int kAssets = 250000;

// Resident memory in kB: "VmHWM" (the peak) or "VmRSS" from /proc/self/status.
qint64 residentKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(strlen(field)) + 1).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// Starts a new peak at the present resident size (Linux: "5" to clear_refs).
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

QString largeReturn(TestHost &env)
{
    env.openForm(FormKind::F3CA);
    Transaction tx(env.host().DBObj());
    DemoData::insertFilledClauses(env.host().yearKey());
    tx.commit();
    QString text = QString::fromUtf8(clsExportJSON::compose(QDate(2026, 10, 1)));
    QStringList assets;
    assets.reserve(kAssets);
    for (int i = 0; i < kAssets; ++i)
        assets << QStringLiteral("{\"DescCapAsst\": \"Machine number %1 of the weaving shed\", "
                                 "\"DateOfAcq\": \"2025-05-10\", \"CostOfAcq\": %2}")
                      .arg(i)
                      .arg(1000 + i);
    const QString block = "\"Form3cdCapAsstSit\": [" + assets.join(u',') + u']';
    const QRegularExpression existing(QStringLiteral("\"Form3cdCapAsstSit\": \\[[^\\]]*\\]"));
    if (text.contains(existing))
        text.replace(existing, block);
    else
        text.insert(text.indexOf(QStringLiteral("\"Form3cdDeprAllw\"")), block + QStringLiteral(",\r\n"));
    const QString path = env.dir() + QStringLiteral("/large.json");
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text.toUtf8());
    return path;
}

void importLargeFile(benchmark::State &state, TestEngine engine)
{
    TestHost env(engine);
    const QString file = largeReturn(env);
    const double size = double(QFileInfo(file).size());
    double worst = 0;
    for (auto _ : state) {
        // Memory freed since the start (the text of the large file made above) is given back
        // first, or the import would reuse it unseen and the growth would read too small.
        malloc_trim(0);
        resetPeak();
        const qint64 before = residentKb("VmRSS:");
        if (!clsImportJSON::importFile(file, QStringLiteral("C004"), QStringLiteral("2026")))
            state.SkipWithError("the large return was not imported");
        worst = std::max(worst, double(residentKb("VmHWM:") - before) * 1024 / size);
    }
    state.counters["FileMB"] = size / (1024 * 1024);
    state.counters["PeakPerFileByte"] = worst;
}

void registerFor(TestEngine engine, const char *name)
{
    if (!TestHost::unavailable(engine).isEmpty())
        return;
    benchmark::RegisterBenchmark((std::string("ImportLargeFile/") + name).c_str(), importLargeFile, engine)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
}

} // namespace

int main(int argc, char **argv)
{
    TargetReporter reporter;
    const int status = runBenchmarks(argc, argv, registerFor, &reporter);
    for (const char *engine : {"SQLite", "MariaDB"}) {
        const std::string name = std::string("ImportLargeFile/") + engine;
        const double perByte = reporter.counter(name, "PeakPerFileByte");
        if (perByte > 0)
            std::printf(
                "TARGET import-json peak memory %-8s %.1f MB file: %.2f times the file (goal: at most "
                "3.00) %s\n",
                engine, reporter.counter(name, "FileMB"), perByte, perByte <= 3 ? "met" : "NOT MET");
    }
    return status;
}
