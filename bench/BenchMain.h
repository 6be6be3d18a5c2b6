#pragma once

#include "TestHost.h"

#include "SourceDataDir.h"
#include <QApplication>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

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

// Registers a benchmark of one engine, named "NAME/ENGINE", timed in milliseconds over the
// given iterations and three repetitions, of which only the aggregates are reported, the
// fastest among them: on a shared machine the fastest run is the one the others disturbed least.
inline void registerTimed(const char *name, const char *engine,
                          void (*function)(benchmark::State &, TestEngine), TestEngine which, int iterations)
{
    benchmark::RegisterBenchmark((std::string(name) + "/" + engine).c_str(), function, which)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(iterations)
        ->Repetitions(3)
        ->ComputeStatistics(
            "min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); })
        ->ReportAggregatesOnly(true);
}

// Which time a target compares. CPU time is this process's alone and hardly moves with the
// load of the machine; it is fair where all the work is done in the process (SQLite). Work
// done by a database server shows only in the elapsed time.
enum class Clock { Elapsed, Cpu };

inline const char *clockName(Clock clock)
{
    return clock == Clock::Cpu ? "CPU" : "elapsed";
}

// Keeps the times of each benchmark (the fastest of its repetitions, else its one run) in
// milliseconds, elapsed and CPU, so that the program can print each target beside its
// reference when all have run, and the counters of each run by name.
class TargetReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const bool fastest = run.run_type == Run::RT_Aggregate && run.aggregate_name == "min";
            if (fastest || run.run_type == Run::RT_Iteration) {
                const std::string name = run.run_name.function_name;
                if (fastest || !m_times.count(name)) {
                    m_times[name] = run.GetAdjustedRealTime() * msPerUnit(run.time_unit);
                    m_cpuTimes[name] = run.GetAdjustedCPUTime() * msPerUnit(run.time_unit);
                }
                for (const auto &[counter, value] : run.counters)
                    m_counters[name + ":" + counter] = value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // Milliseconds of a benchmark; 0 when it did not run.
    double ms(const std::string &name, Clock clock = Clock::Elapsed) const
    {
        const auto &times = clock == Clock::Cpu ? m_cpuTimes : m_times;
        const auto found = times.find(name);
        return found == times.end() ? 0 : found->second;
    }
    double counter(const std::string &name, const std::string &counter) const
    {
        const auto found = m_counters.find(name + ":" + counter);
        return found == m_counters.end() ? 0 : found->second;
    }
    // One line: a measured figure beside its reference, the ratio and the goal (none when 0).
    void printRatio(const std::string &what, double measured, const std::string &reference, double base,
                    double goal) const
    {
        if (measured <= 0 || base <= 0)
            return;
        const double ratio = measured / base;
        if (goal <= 0) {
            // A comparison that explains another figure, with no goal of its own.
            std::printf("RATIO  %-44s %9.1f ms beside %-28s %9.1f ms: %5.2f times\n", what.c_str(), measured,
                        reference.c_str(), base, ratio);
            return;
        }
        std::printf("TARGET %-44s %9.1f ms beside %-28s %9.1f ms: %5.2f times (goal: at most %.2f) %s\n",
                    what.c_str(), measured, reference.c_str(), base, ratio, goal,
                    ratio <= goal ? "met" : "NOT MET");
    }
    void printLimit(const std::string &what, double measured, double limit, const char *unit = "ms") const
    {
        if (measured <= 0)
            return;
        std::printf("TARGET %-44s %9.2f %s (goal: under %.2f %s) %s\n", what.c_str(), measured, unit, limit,
                    unit, measured < limit ? "met" : "NOT MET");
    }

private:
    static double msPerUnit(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-6;
        case benchmark::kMicrosecond:
            return 1e-3;
        case benchmark::kMillisecond:
            return 1;
        case benchmark::kSecond:
            return 1e3;
        }
        return 1;
    }

    std::map<std::string, double> m_times;
    std::map<std::string, double> m_cpuTimes;
    std::map<std::string, double> m_counters;
};

// Runs a reference script of bench/reference with python3 and gives the fastest of its
// runs in milliseconds by each clock, as the script measures itself (without the
// interpreter's start); none when python3 or the script is missing or the script fails.
inline std::map<Clock, double> pythonReferenceMs(const QString &script, const QStringList &arguments,
                                                 int runs = 3)
{
    std::map<Clock, double> best;
    for (int i = 0; i < runs; ++i) {
        QProcess python;
        python.start(QStringLiteral("python3"),
                     QStringList{QStringLiteral(TALVEX_SOURCE_DATA_DIR "/../bench/reference/") + script} +
                         arguments);
        if (!python.waitForFinished(600000) || python.exitStatus() != QProcess::NormalExit ||
            python.exitCode() != 0) {
            std::printf("%s failed: %s\n", qPrintable(script), python.readAllStandardError().constData());
            return {};
        }
        const QList<QByteArray> times = python.readAllStandardOutput().trimmed().split(' ');
        for (const auto &[clock, column] : {std::pair{Clock::Elapsed, 0}, std::pair{Clock::Cpu, 1}}) {
            bool number = false;
            const double ms = times.value(column).toDouble(&number) * 1000;
            if (number && (!best.count(clock) || ms < best[clock]))
                best[clock] = ms;
        }
    }
    return best;
}
