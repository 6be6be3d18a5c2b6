// Saving and reloading a clause page whose grid holds 10,000 rows, beside a raw prepared
// insert of the same rows through the same connection, on SQLite and (with
// TALVEX_TEST_MYSQL_URL) on MariaDB.
#include "BenchMain.h"
#include "TestHost.h"

#include "host/HostContext.h"
#include "pages/ClauseGrid.h"
#include "pages/ClausePage.h"
#include "pages/PageFactory.h"
#include "pages/WidgetValues.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/ModuleState.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace
{

constexpr int kRows = 10000;
constexpr int kPage = 14;
const QString kGrid = QStringLiteral("grd31a");

QStringList rowCells(int r)
{
    return {QStringLiteral("Lender %1 Finance Private Limited").arg(r),
            QStringLiteral("%1, Ring Road, Surat").arg(r),
            QStringLiteral("AABCL%1K").arg(r % 10000, 4, 10, QLatin1Char('0')),
            QString(),
            QStringLiteral("%1.00").arg(200000 + r),
            QStringLiteral("No"),
            QStringLiteral("%1.00").arg(250000 + r),
            QStringLiteral("Yes-Cheque"),
            QStringLiteral("Account payee cheque")};
}

// A host on a fresh database with the loan register of clause 31(a) filled on its page.
struct Fixture {
    std::unique_ptr<TestHost> env;
    std::unique_ptr<ClausePage> page;

    explicit Fixture(TestEngine engine)
    {
        env = std::make_unique<TestHost>(engine);
        env->openForm(FormKind::F3CA);
        page.reset(PageFactory::create(FormKind::F3CA, kPage));
        auto *grid = page->findChild<ClauseGrid *>(kGrid);
        grid->setRowCount(kRows);
        for (int r = 0; r < kRows; ++r) {
            const QStringList cells = rowCells(r);
            for (int c = 0; c < cells.size(); ++c) {
                if (!cells.at(c).isEmpty())
                    WidgetValues::setCellText(grid, r, c, cells.at(c));
            }
        }
    }
};

void pageSave(benchmark::State &state, TestEngine engine)
{
    Fixture f(engine);
    for (auto _ : state) {
        if (!f.page->SaveData())
            state.SkipWithError("the page refused to save");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void pageReload(benchmark::State &state, TestEngine engine)
{
    Fixture f(engine);
    f.page->SaveData();
    for (auto _ : state)
        f.page->DisplayData();
    state.SetItemsProcessed(state.iterations() * kRows);
}

// The same delete and the same rows through one prepared insert, inside one transaction.
void rawInsert(benchmark::State &state, TestEngine engine)
{
    Fixture f(engine);
    HostContext &h = host();
    Database &db = h.DBObj();
    const ModuleState &m = moduleState();
    QList<QStringList> rows;
    for (int r = 0; r < kRows; ++r)
        rows << rowCells(r);
    for (auto _ : state) {
        Transaction transaction(db);
        ClauseStore::deletePage(kPage);
        QSqlQuery insert = db.prepare(
            QStringLiteral(
                "INSERT INTO %1 (Code_No,FYr,PointNo,PageNo,FormName,Col1,Col2,Col3,Col4,Col5,Col6,Col7,"
                "Col8,Col9,Col23) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")
                .arg(m.clauseTable));
        for (int r = 0; r < kRows; ++r) {
            insert.bindValue(0, h.Temp_Code());
            insert.bindValue(1, h.yearKey());
            insert.bindValue(2, QStringLiteral("31a"));
            insert.bindValue(3, kPage);
            insert.bindValue(4, QStringLiteral("3CD"));
            const QStringList &cells = rows.at(r);
            for (int c = 0; c < cells.size(); ++c)
                insert.bindValue(5 + c, cells.at(c).isEmpty() ? QVariant(QMetaType(QMetaType::QString))
                                                              : cells.at(c));
            insert.bindValue(14, QString::number(r + 1));
            db.exec(insert);
        }
        transaction.commit();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

// Prints each page save beside the raw insert of its engine once all runs are done: the
// median of the repetitions, wall clock and this process's CPU (the server's share is
// the difference; a busy shared server shows in the wall clock only).
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !run.error_occurred)
                m_times[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void printRatios() const
    {
        for (const char *engine : {"SQLite", "MariaDB"}) {
            const auto save = m_times.find(std::string("PageSave/") + engine);
            const auto raw = m_times.find(std::string("RawInsert/") + engine);
            if (save == m_times.end() || raw == m_times.end() || raw->second.first <= 0)
                continue;
            std::printf("%-8s page save %.1f ms beside raw prepared insert %.1f ms: %.2f times wall clock, "
                        "%.2f times CPU (goal: within 1.5)\n",
                        engine, save->second.first, raw->second.first, save->second.first / raw->second.first,
                        save->second.second / raw->second.second);
        }
    }

private:
    std::map<std::string, std::pair<double, double>> m_times;
};

void registerFor(TestEngine engine, const char *name)
{
    if (!TestHost::unavailable(engine).isEmpty()) {
        std::printf("%s skipped: %s\n", name, qPrintable(TestHost::unavailable(engine)));
        return;
    }
    const std::string suffix = std::string("/") + name;
    benchmark::RegisterBenchmark(("PageSave" + suffix).c_str(), pageSave, engine)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark(("RawInsert" + suffix).c_str(), rawInsert, engine)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark(("PageReload" + suffix).c_str(), pageReload, engine)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
}

} // namespace

int main(int argc, char **argv)
{
    RatioReporter reporter;
    const int status = runBenchmarks(argc, argv, registerFor, &reporter);
    reporter.printRatios();
    return status;
}
