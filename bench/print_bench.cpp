// Printing the audit report with a clause of many rows: the whole `taxaudit print` of the demo
// report with clause 34(a) grown to 250, 2,000 and 10,000 rows, beside bench/reference's Qt
// program printing the same records as an HTML table in a QTextDocument on the same A4 page.
// Both run as processes, in turn, twice each (once at 10,000 rows and more); the CPU time of
// the faster run of each is compared (the machine is shared, and CPU time hardly moves with
// its load).
//
// usage: print_bench [ROWS ...]   (the sizes to run; 250 2000 10000 when none is given)

#include "BenchMain.h"
#include "BenchProcess.h"
#include "BenchReports.h"
#include "TestHost.h"
#include "catalogue/ClauseCatalogue.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace
{

int pdfPages(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(60000);
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const qsizetype at = text.indexOf(QStringLiteral("Pages:"));
    return text.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
}

void runSize(const TargetReporter &targets, int rows)
{
    TestHost env(TestEngine::SQLite);
    env.openFilledReport();
    BenchReports::growClause34a(env, rows);
    const QString home = env.dir();
    QFile tsv(home + QStringLiteral("/records.tsv"));
    if (!tsv.open(QIODevice::WriteOnly))
        return;
    QStringList headings;
    for (const Catalogue::Column &column :
         ClauseCatalogue::instance().controlOf(17, QStringLiteral("34a"))->columns)
        headings << column.heading;
    tsv.write(headings.join(u'\t').toUtf8() + '\n');
    for (int i = 0; i < rows; ++i)
        tsv.write(BenchReports::clause34aRecord(i).join(u'\t').toUtf8() + '\n');
    tsv.close();

    const QString report = home + QStringLiteral("/report.pdf");
    const QString reference = home + QStringLiteral("/reference.pdf");
    const QStringList print{QStringLiteral("--db"),
                            QStringLiteral("sqlite:") + home + QStringLiteral("/talvex.db"),
                            QStringLiteral("print"),
                            QStringLiteral("--client"),
                            QStringLiteral("C001"),
                            QStringLiteral("--year"),
                            QStringLiteral("2026"),
                            QStringLiteral("--pdf"),
                            report,
                            QStringLiteral("--yes")};
    double best = 0, bestReference = 0;
    const int runs = rows >= 10000 ? 1 : 2;
    for (int run = 0; run < runs; ++run) {
        const ChildRun printed = runChild(QStringLiteral(TAXAUDIT_PATH), print, home);
        const ChildRun qt = runChild(QStringLiteral(PRINT_REFERENCE_PATH), {tsv.fileName(), reference}, home);
        if (!printed.ok || !qt.ok)
            return;
        const double ms = printed.cpuMs, referenceMs = qt.cpuMs;
        best = run == 0 ? ms : std::min(best, ms);
        bestReference = run == 0 ? referenceMs : std::min(bestReference, referenceMs);
    }
    std::printf("%d rows of clause 34(a): the report has %d pages, the reference %d\n", rows,
                pdfPages(report), pdfPages(reference));
    targets.printRatio(QStringLiteral("print, 34(a) with %1 rows, CPU").arg(rows).toStdString(), best,
                       "Qt reference", bestReference, 1.3);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QList<int> sizes = sizesFromArguments(argc, argv);
    if (sizes.isEmpty())
        sizes = {250, 2000, 10000};
    TargetReporter targets;
    for (int rows : sizes)
        runSize(targets, rows);
    return 0;
}
