#pragma once

#include "TestHost.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// The start the benchmark programs share: an offscreen application, the benchmarks of each
// engine registered (those of an unavailable engine register nothing), then the run.
template <typename Reporter = benchmark::ConsoleReporter>
int runBenchmarks(int argc, char **argv, void (*registerFor)(TestEngine, const char *),
                  Reporter *reporter = nullptr)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerFor(TestEngine::SQLite, "SQLite");
    registerFor(TestEngine::MariaDB, "MariaDB");
    if (reporter)
        benchmark::RunSpecifiedBenchmarks(reporter);
    else
        benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
