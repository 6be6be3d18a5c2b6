// The report editor on screen and moving between its pages, on the filled demo report:
// opening the editor window until it is shown, the first visit of every page (which builds
// and fills it), moving back to a page already built, left unchanged, and showing clause
// 34(a) with 10,000 rows beside a QTableWidget of the same 10,000 rows of 10 cells.
#include "BenchMain.h"
#include "BenchReports.h"
#include "TestHost.h"

#include "editor/Form3CD.h"
#include "host/DemoClauses.h"
#include "store/Database.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <benchmark/benchmark.h>

namespace
{

void filledReport(TestHost &env)
{
    env.openForm(FormKind::F3CA);
    Transaction tx(env.host().DBObj());
    DemoData::insertFilledClauses(env.host().yearKey());
    tx.commit();
}

void editorOnScreen(benchmark::State &state, TestEngine engine)
{
    TestHost env(engine);
    filledReport(env);
    for (auto _ : state) {
        Form3CD *editor = Form3CD::instance();
        editor->show();
        if (!QTest::qWaitForWindowExposed(editor))
            state.SkipWithError("the editor was not shown");
        state.PauseTiming();
        delete editor;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

// Each iteration walks from page 1 to 21: every move builds and shows the next page the
// first time, the editor left unchanged.
void firstVisitOfEachPage(benchmark::State &state, TestEngine engine)
{
    TestHost env(engine);
    filledReport(env);
    for (auto _ : state) {
        state.PauseTiming();
        Form3CD *editor = Form3CD::instance();
        editor->show();
        state.ResumeTiming();
        for (int page = 2; page <= editor->lastPage(); ++page) {
            editor->cmdPages_Click(page);
            QCoreApplication::processEvents();
        }
        state.PauseTiming();
        delete editor;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["Moves"] = 20;
}

// Moving between two pages already built, neither changed.
void switchBuiltPages(benchmark::State &state, TestEngine engine)
{
    TestHost env(engine);
    filledReport(env);
    Form3CD *editor = Form3CD::instance();
    editor->show();
    editor->cmdPages_Click(9);
    editor->cmdPages_Click(17);
    int page = 9;
    for (auto _ : state) {
        editor->cmdPages_Click(page);
        QCoreApplication::processEvents();
        page = page == 9 ? 17 : 9;
    }
    delete editor;
}

constexpr int kLongListRows = 10000;

// The editor moves to page 17, whose clause 34(a) holds 10,000 rows, until it is shown.
void longListPage(benchmark::State &state, TestEngine engine)
{
    TestHost env(engine);
    filledReport(env);
    BenchReports::growClause34a(env, kLongListRows);
    for (auto _ : state) {
        state.PauseTiming();
        Form3CD *editor = Form3CD::instance();
        editor->show();
        if (!QTest::qWaitForWindowExposed(editor))
            state.SkipWithError("the editor was not shown");
        state.ResumeTiming();
        editor->cmdPages_Click(17);
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete editor;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

// The reference: the same rows in a QTableWidget, filled and shown.
void tableWidgetReference(benchmark::State &state, TestEngine)
{
    for (auto _ : state) {
        QTableWidget table(kLongListRows, 10);
        for (int r = 0; r < kLongListRows; ++r) {
            const QStringList cells = BenchReports::clause34aRecord(r);
            for (int c = 0; c < 10; ++c)
                table.setItem(r, c, new QTableWidgetItem(cells.at(c)));
        }
        table.show();
        if (!QTest::qWaitForWindowExposed(&table))
            state.SkipWithError("the table was not shown");
        QCoreApplication::processEvents();
    }
}

void registerFor(TestEngine engine, const char *name)
{
    if (!TestHost::unavailable(engine).isEmpty())
        return;
    registerTimed("EditorOnScreen", name, editorOnScreen, engine, 5);
    registerTimed("FirstVisitOfEachPage", name, firstVisitOfEachPage, engine, 2);
    registerTimed("SwitchBuiltPages", name, switchBuiltPages, engine, 50);
    registerTimed("LongListPage", name, longListPage, engine, 3);
    if (engine == TestEngine::SQLite)
        registerTimed("TableWidget", name, tableWidgetReference, engine, 3);
}

} // namespace

int main(int argc, char **argv)
{
    TargetReporter reporter;
    const int status = runBenchmarks(argc, argv, registerFor, &reporter);
    // The user waits for the elapsed time; on a loaded machine the CPU time says what the
    // program itself took.
    for (const char *engine : {"SQLite", "MariaDB"}) {
        for (const Clock clock : {Clock::Elapsed, Clock::Cpu}) {
            const std::string e = std::string("/") + engine;
            const std::string how = std::string(engine) + " (" + clockName(clock) + ")";
            reporter.printLimit("editor on screen " + how, reporter.ms("EditorOnScreen" + e, clock), 60);
            reporter.printLimit("page switch, first visit (mean) " + how,
                                reporter.ms("FirstVisitOfEachPage" + e, clock) / 20, 60);
            reporter.printLimit("page switch, built page " + how, reporter.ms("SwitchBuiltPages" + e, clock),
                                60);
            reporter.printRatio("page 17 with 10,000 rows " + how, reporter.ms("LongListPage" + e, clock),
                                "QTableWidget", reporter.ms("TableWidget/SQLite", clock), 1.2);
        }
    }
    return status;
}
