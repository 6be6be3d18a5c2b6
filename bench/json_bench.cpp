// Writing, checking and reading back the e-filing JSON of a large report:
// 100,000 table rows spread over four clauses (two of them CSV attachments, one
// with an address per row). Each target is printed beside its reference:
// writing beside reading the rows, generate-json (check included) and
// import-json beside short Python scripts doing the same work
// (bench/reference), the schema check beside Python's json.load of the file.

#include "BenchMain.h"
#include "TestHost.h"
#include "commands/clsImportJSON.h"
#include "dialogs/clsExportJSON.h"
#include "efiling/EfilingExport.h"
#include "efiling/JsonSchemaCheck.h"
#include "host/DemoClauses.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/ModuleState.h"
#include "store/ReportKey.h"

#include "SourceDataDir.h"
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace {

constexpr int kRowsPerClause = 25000;

void fillGrid(int page, const QString &point,
              const std::function<QStringList(int)> &row) {
  ClauseStore::deletePoint(page, point);
  QList<QStringList> rows;
  rows.reserve(kRowsPerClause);
  for (int i = 0; i < kRowsPerClause; ++i)
    rows << row(i);
  ClauseStore::insertRows(page, point, rows);
}

// The filled demo report with four of its tables grown to 100,000 rows in all.
std::unique_ptr<TestHost> largeReport(TestEngine engine) {
  auto env = std::make_unique<TestHost>(engine);
  env->openForm(FormKind::F3CA);
  Transaction tx(env->host().DBObj());
  DemoData::insertFilledClauses(env->host().yearKey());
  fillGrid(8, "20b", [](int i) {
    return QStringList{"Provident Fund", QString::number(1000 + i) + ".00",
                       "15/05/2025", "1000.00", "12/05/2025"};
  });
  fillGrid(9, "21bia", [](int i) {
    const bool abroad = i % 2;
    return QStringList{
        "18/08/2025", "1200.00", "Design services",
        QStringLiteral("Payee %1").arg(i), "", "",
        abroad ? "SINGAPORE" : "India", "1 Raffles Place", "",
        abroad ? "048616" : "400001", abroad ? "" : "Mumbai G.P.O.",
        abroad ? "Downtown" : "Fort", abroad ? "Singapore" : "Mumbai",
        abroad ? "" : "Maharashtra",
        // An address in India carries its district, post-office and locality
        // codes as the accountant picks them; the look-up lists are empty here.
        abroad ? "" : "519", abroad ? "" : "400001001",
        abroad ? "" : "4000010001"};
  });
  fillGrid(10, "23", [](int i) {
    return QStringList{QStringLiteral("Related %1").arg(i),
                       "ABCPS1234D",
                       "",
                       "Director",
                       "Rent",
                       "5000.00"};
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

std::string schemaText() {
  QFile f(QStringLiteral(
      TALVEX_SOURCE_DATA_DIR
      "/3CDFiles/JSONSchema/FORM3CA3CD/FORM3CA3CD_MainSchema.json"));
  f.open(QIODevice::ReadOnly);
  return f.readAll().toStdString();
}

QString writtenFile(TestHost &env) {
  const QString path = env.dir() + QStringLiteral("/large.json");
  QFile f(path);
  if (f.open(QIODevice::WriteOnly))
    f.write(clsExportJSON::compose());
  return path;
}

void readRows(benchmark::State &state, TestEngine engine) {
  auto env = largeReport(engine);
  for (auto _ : state)
    benchmark::DoNotOptimize(ReportModel::load()->count());
}

// Writing the document: the stored report as written, composed into its file as
// generate-json composes it, its long grids read as text a row at a time.
void writeDocument(benchmark::State &state, TestEngine engine) {
  auto env = largeReport(engine);
  QFile out(env->dir() + QStringLiteral("/written.json"));
  for (auto _ : state) {
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        !EfilingExport::writeDocument(ReportKey::current(), out,
                                      QDate::currentDate()))
      state.SkipWithError("the document could not be written");
    out.close();
  }
  state.counters["FileMB"] = double(out.size()) / (1024 * 1024);
}

// What generate-json does: the stored report as written, the file and its
// schema check.
void generateJson(benchmark::State &state, TestEngine engine) {
  auto env = largeReport(engine);
  const QString target = env->dir() + QStringLiteral("/generated.json");
  for (auto _ : state) {
    const auto result =
        EfilingExport::writeReport(ReportKey::current(), target);
    if (result.outcome != EfilingExport::Outcome::Valid)
      state.SkipWithError("the large report does not pass the schema");
  }
}

void validateDocument(benchmark::State &state, TestEngine engine) {
  auto env = largeReport(engine);
  const std::string text = clsExportJSON::compose().toStdString();
  const std::string schema = schemaText();
  for (auto _ : state) {
    const auto findings = JsonSchemaCheck(schema).run(text);
    if (!findings.isEmpty())
      state.SkipWithError(
          QStringLiteral("the large report does not pass the schema: %1 %2")
              .arg(findings.first().pointer, findings.first().message)
              .toStdString()
              .c_str());
    benchmark::DoNotOptimize(findings.size());
  }
}

void importJson(benchmark::State &state, TestEngine engine) {
  auto env = largeReport(engine);
  const QString file = writtenFile(*env);
  for (auto _ : state) {
    if (!clsImportJSON::importFile(file, QStringLiteral("C001"),
                                   QStringLiteral("2026")))
      state.SkipWithError("the large file was not imported");
  }
  state.counters["FileMB"] = double(QFileInfo(file).size()) / (1024 * 1024);
}

// The Python references, on the same database and file (SQLite only: Python's
// own module), by the clock a target is compared on.
struct References {
  double generate = 0;
  double import = 0;
  double jsonLoad = 0;
};

std::map<Clock, References> pythonReferences() {
  std::map<Clock, References> r;
  if (!TestHost::unavailable(TestEngine::SQLite).isEmpty())
    return r;
  auto env = largeReport(TestEngine::SQLite);
  const QString file = writtenFile(*env);
  const QString database = env->host().DBObj().url().path;
  const QString table = moduleState().clauseTable;
  const QStringList key{database, table, QStringLiteral("C001"),
                        QStringLiteral("2026")};
  const std::map<Clock, double> generate = pythonReferenceMs(
      QStringLiteral("generate_json.py"),
      key + QStringList{env->dir() + QStringLiteral("/python.json"),
                        QStringLiteral("20b,21bia")});
  const std::map<Clock, double> import = pythonReferenceMs(
      QStringLiteral("import_json.py"), key + QStringList{file});
  const std::map<Clock, double> jsonLoad =
      pythonReferenceMs(QStringLiteral("json_load.py"), {file});
  for (const Clock clock : {Clock::Cpu, Clock::Elapsed}) {
    const auto of = [clock](const std::map<Clock, double> &times) {
      return times.count(clock) ? times.at(clock) : 0.0;
    };
    r[clock] = References{of(generate), of(import), of(jsonLoad)};
  }
  return r;
}

void registerFor(TestEngine engine, const char *name) {
  if (!TestHost::unavailable(engine).isEmpty())
    return;
  for (const auto &[bench, function] : std::initializer_list<
           std::pair<const char *, void (*)(benchmark::State &, TestEngine)>>{
           {"ReadRows", readRows},
           {"WriteJson", writeDocument},
           {"GenerateJson", generateJson},
           {"ValidateJson", validateDocument},
           {"ImportJson", importJson}})
    registerTimed(bench, name, function, engine, 1);
}

} // namespace

int main(int argc, char **argv) {
  TargetReporter reporter;
  const int status = runBenchmarks(argc, argv, registerFor, &reporter);
  const std::map<Clock, References> references = pythonReferences();
  for (const char *engine : {"SQLite", "MariaDB"}) {
    const std::string e = std::string("/") + engine;
    // SQLite works in this process: CPU times. A server's work shows only in
    // elapsed time.
    const Clock clock = e == "/SQLite" ? Clock::Cpu : Clock::Elapsed;
    const std::string how = std::string(engine) + " (" + clockName(clock) + ")";
    const References python =
        references.count(clock) ? references.at(clock) : References{};
    reporter.printRatio("write JSON, 100,000 rows " + how,
                        reporter.ms("WriteJson" + e, clock), "reading its rows",
                        reporter.ms("ReadRows" + e, clock), 1.5);
    reporter.printRatio("generate-json with check " + how,
                        reporter.ms("GenerateJson" + e, clock),
                        "Python generate_json.py", python.generate, 1.0);
    reporter.printRatio("import-json " + how,
                        reporter.ms("ImportJson" + e, clock),
                        "Python import_json.py", python.import, 1.0);
    reporter.printRatio("validate " + how,
                        reporter.ms("ValidateJson" + e, clock),
                        "Python json.load", python.jsonLoad, 2.0);
  }
  return status;
}
