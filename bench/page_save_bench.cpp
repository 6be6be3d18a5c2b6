// Saving and reloading a clause page whose grid holds 10,000 rows, beside the fastest raw
// insert of the same rows through the same connection, and leaving the page unchanged, on
// SQLite and (with TALVEX_TEST_MYSQL_URL) on MariaDB.
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
    for (auto _ : state) {
        f.page->report().reload();
        f.page->DisplayData();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

// Leaving the page when nothing on it was changed: the editor asks the page and writes
// nothing.
void leaveUnchanged(benchmark::State &state, TestEngine engine)
{
    Fixture f(engine);
    f.page->SaveData();
    f.page->DisplayData();
    f.page->trackEdits();
    for (auto _ : state) {
        if (f.page->hasUnsavedChanges() && !f.page->SaveData())
            state.SkipWithError("the page refused to save");
    }
}

// The fastest raw insert of the same rows through the same driver after the same delete, in
// one transaction: one prepared statement on SQLite, statements of 32 rows on a server.
void rawInsert(benchmark::State &state, TestEngine engine)
{
    Fixture f(engine);
    HostContext &h = host();
    Database &db = h.DBObj();
    const ModuleState &m = moduleState();
    QList<QStringList> rows;
    for (int r = 0; r < kRows; ++r)
        rows << rowCells(r);
    const int group = engine == TestEngine::SQLite ? 1 : 32;
    const auto statement = [&](int count) {
        QStringList marks;
        for (int r = 0; r < count; ++r)
            marks << QStringLiteral("(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        return db.prepare(
            QStringLiteral(
                "INSERT INTO %1 (Code_No,FYr,PointNo,PageNo,FormName,Col1,Col2,Col3,Col4,Col5,Col6,Col7,"
                "Col8,Col9,Col23) VALUES %2")
                .arg(m.clauseTable, marks.join(u',')));
    };
    for (auto _ : state) {
        Transaction transaction(db);
        ClauseStore::deletePage(kPage);
        QSqlQuery full = statement(group);
        QSqlQuery last = statement(kRows % group ? kRows % group : group);
        for (int start = 0; start < kRows; start += group) {
            const int count = std::min(group, kRows - start);
            QSqlQuery &insert = count == group ? full : last;
            for (int r = 0; r < count; ++r) {
                const int first = r * 15;
                insert.bindValue(first, h.Temp_Code());
                insert.bindValue(first + 1, h.yearKey());
                insert.bindValue(first + 2, QStringLiteral("31a"));
                insert.bindValue(first + 3, kPage);
                insert.bindValue(first + 4, QStringLiteral("3CD"));
                const QStringList &cells = rows.at(start + r);
                for (int c = 0; c < cells.size(); ++c)
                    insert.bindValue(first + 5 + c, cells.at(c).isEmpty()
                                                        ? QVariant(QMetaType(QMetaType::QString))
                                                        : QVariant(cells.at(c)));
                insert.bindValue(first + 14, QString::number(start + r + 1));
            }
            db.exec(insert);
        }
        transaction.commit();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void registerFor(TestEngine engine, const char *name)
{
    if (!TestHost::unavailable(engine).isEmpty()) {
        std::printf("%s skipped: %s\n", name, qPrintable(TestHost::unavailable(engine)));
        return;
    }
    registerTimed("PageSave", name, pageSave, engine, 3);
    registerTimed("RawInsert", name, rawInsert, engine, 3);
    registerTimed("PageReload", name, pageReload, engine, 3);
    registerTimed("LeaveUnchanged", name, leaveUnchanged, engine, 100);
}

} // namespace

int main(int argc, char **argv)
{
    TargetReporter reporter;
    const int status = runBenchmarks(argc, argv, registerFor, &reporter);
    for (const char *engine : {"SQLite", "MariaDB"}) {
        const std::string e = std::string("/") + engine;
        // SQLite works in this process: CPU times. A server's work shows only in elapsed time.
        const Clock clock = e == "/SQLite" ? Clock::Cpu : Clock::Elapsed;
        const std::string how = std::string(engine) + " (" + clockName(clock) + ")";
        reporter.printLimit("leave an unchanged 10,000-row page " + how,
                            reporter.ms("LeaveUnchanged" + e, clock), 5);
        reporter.printRatio("save 10,000 rows " + how, reporter.ms("PageSave" + e, clock),
                            "fastest raw insert", reporter.ms("RawInsert" + e, clock), 1.2);
        reporter.printRatio("save and reload 10,000 rows " + how,
                            reporter.ms("PageSave" + e, clock) + reporter.ms("PageReload" + e, clock),
                            "fastest raw insert", reporter.ms("RawInsert" + e, clock), 1.2);
    }
    return status;
}
