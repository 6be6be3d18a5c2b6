// Printing the audit report with a clause of many rows: the whole `taxaudit print` of the demo
// report with clause 34(a) grown to 250, 2,000 and 10,000 rows, beside bench/reference's Qt
// program printing the same records as an HTML table in a QTextDocument on the same A4 page.
// Both run as processes, in turn, twice each (once at 10,000 rows and more); the CPU time of
// the faster run of each is compared (the machine is shared, and CPU time hardly moves with
// its load).
//
// usage: print_bench [ROWS ...]   (the sizes to run; 250 2000 10000 when none is given)

#include "BenchMain.h"
#include "TestHost.h"
#include "catalogue/ClauseCatalogue.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace
{

QStringList record(int i)
{
    return {QStringLiteral("MUMS12345A"),
            QStringLiteral("194C"),
            QStringLiteral("Payment to contractor %1").arg(i + 1),
            QString::number(10000 + i) + QStringLiteral(".00"),
            QStringLiteral("10000.00"),
            QStringLiteral("10000.00"),
            QStringLiteral("200.00"),
            QStringLiteral("0.00"),
            QStringLiteral("0.00"),
            QStringLiteral("0.00")};
}

double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The CPU milliseconds of one run of the program; 0 when it failed.
double cpuMsOf(const QString &program, const QStringList &arguments, const QString &home)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TALVEX_DOC_PATH"), home + QStringLiteral("/docs"));
    env.insert(QStringLiteral("TALVEX_INI"), home + QStringLiteral("/Talvex.ini"));
    env.insert(QStringLiteral("TALVEX_EXE_PATH"), QStringLiteral(TALVEX_SOURCE_DATA_DIR));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(home);
    const double before = childCpuSeconds();
    p.start(program, arguments);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::printf("%s failed: %s\n", qPrintable(program), p.readAllStandardError().constData());
        return 0;
    }
    return (childCpuSeconds() - before) * 1000;
}

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
    {
        Transaction tx(env.host().DBObj());
        ClauseStore::deletePoint(17, QStringLiteral("34a"));
        QList<QStringList> grid;
        for (int i = 0; i < rows; ++i)
            grid << record(i);
        ClauseStore::insertRows(17, QStringLiteral("34a"), grid);
        tx.commit();
    }
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
        tsv.write(record(i).join(u'\t').toUtf8() + '\n');
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
        const double ms = cpuMsOf(QStringLiteral(TAXAUDIT_PATH), print, home);
        const double referenceMs =
            cpuMsOf(QStringLiteral(PRINT_REFERENCE_PATH), {tsv.fileName(), reference}, home);
        if (ms <= 0 || referenceMs <= 0)
            return;
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
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QByteArray(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {250, 2000, 10000};
    TargetReporter targets;
    for (int rows : sizes)
        runSize(targets, rows);
    return 0;
}
