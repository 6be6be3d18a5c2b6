// Writing and checking the e-filing JSON of a large report: 10,000 table rows spread over
// four clauses (two of them CSV attachments, one with an address per row). Goals: each
// under a second, and writing within twice the time of reading the rows.

#include "BenchMain.h"
#include "TestHost.h"
#include "dialogs/clsExportJSON.h"
#include "efiling/JsonSchemaCheck.h"
#include "host/DemoClauses.h"
#include "model/ReportModel.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <memory>

namespace
{

constexpr int kRowsPerClause = 2500;

void fillGrid(int page, const QString &point, const std::function<QStringList(int)> &row)
{
    ClauseStore::deletePoint(page, point);
    for (int i = 0; i < kRowsPerClause; ++i) {
        QStringList cols = row(i);
        while (cols.size() < 22)
            cols << QString();
        cols << QString::number(i + 1);
        ClauseStore::insertRow(page, point, cols);
    }
}

// The filled demo report with four of its tables grown to 10,000 rows in all.
std::unique_ptr<TestHost> largeReport(TestEngine engine)
{
    auto env = std::make_unique<TestHost>(engine);
    env->openForm(FormKind::F3CA);
    Transaction tx(env->host().DBObj());
    DemoData::insertFilledClauses(env->host().yearKey());
    fillGrid(8, "20b", [](int i) {
        return QStringList{"Provident Fund", QString::number(1000 + i) + ".00", "15/05/2025", "1000.00",
                           "12/05/2025"};
    });
    fillGrid(9, "21bia", [](int i) {
        const bool abroad = i % 2;
        return QStringList{"18/08/2025",
                           "1200.00",
                           "Design services",
                           QStringLiteral("Payee %1").arg(i),
                           "",
                           "",
                           abroad ? "SINGAPORE" : "India",
                           "1 Raffles Place",
                           "",
                           abroad ? "048616" : "400001",
                           abroad ? "" : "Mumbai G.P.O.",
                           abroad ? "Downtown" : "Fort",
                           abroad ? "Singapore" : "Mumbai",
                           abroad ? "" : "Maharashtra"};
    });
    fillGrid(10, "23", [](int i) {
        return QStringList{
            QStringLiteral("Related %1").arg(i), "ABCPS1234D", "", "Director", "Rent", "5000.00"};
    });
    fillGrid(17, "34a", [](int i) {
        return QStringList{"MUMS12345A",
                           "194C",
                           "Payment to contractors",
                           QString::number(10000 + i) + ".00",
                           "10000.00",
                           "10000.00",
                           "200.00",
                           "0.00",
                           "0.00",
                           "0.00"};
    });
    tx.commit();
    return env;
}

std::string schemaText()
{
    QFile f(
        QStringLiteral(TALVEX_SOURCE_DATA_DIR "/3CDFiles/JSONSchema/FORM3CA3CD/FORM3CA3CD_MainSchema.json"));
    f.open(QIODevice::ReadOnly);
    return f.readAll().toStdString();
}

void readRows(benchmark::State &state, TestEngine engine)
{
    auto env = largeReport(engine);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportModel::load()->count());
}

void writeDocument(benchmark::State &state, TestEngine engine)
{
    auto env = largeReport(engine);
    for (auto _ : state)
        benchmark::DoNotOptimize(clsExportJSON::compose().size());
}

void validateDocument(benchmark::State &state, TestEngine engine)
{
    auto env = largeReport(engine);
    const std::string text = clsExportJSON::compose().toStdString();
    const std::string schema = schemaText();
    for (auto _ : state) {
        const auto findings = JsonSchemaCheck(schema).run(text);
        if (!findings.isEmpty())
            state.SkipWithError("the large report does not pass the schema");
        benchmark::DoNotOptimize(findings.size());
    }
}

void registerFor(TestEngine engine, const char *name)
{
    if (!TestHost::unavailable(engine).isEmpty())
        return;
    const std::string suffix = std::string("/") + name;
    benchmark::RegisterBenchmark(("ReadRows" + suffix).c_str(), readRows, engine)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("WriteJson" + suffix).c_str(), writeDocument, engine)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("ValidateJson" + suffix).c_str(), validateDocument, engine)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv, registerFor);
}
